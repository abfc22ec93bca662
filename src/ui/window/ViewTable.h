// The views of the chart window, one row each: its menu entry (object name, caption with an
// access key unique in its menu, shortcut), the menu it sits in, and how it is made. The
// window builds its View menu, title, status text, picture and print from these rows and
// keeps no pointer of its own to any view. A new view is a new file in src/ui/views and one
// row here.
#pragma once

#include <QKeyCombination>
#include <memory>
#include <span>

class QWidget;

namespace velakor {

class ChartView;
class ViewSources;

enum class ViewMenu {
    View,        // the View menu itself
    Divisional,  // its "&Divisional Charts" submenu
};

struct ViewRow {
    const char* Name;     // the menu entry's object name; it also names the view
    const char* Caption;  // the menu entry's caption, with its access key
    QKeyCombination Shortcut;
    ViewMenu Menu;
    // Makes the view, the first time it is shown.
    std::unique_ptr<ChartView> (*Make)(ViewSources& sources);
    // Whether it has anything to show yet (its entry is disabled until then); nullptr: always.
    bool (*Ready)(const ViewSources& sources) = nullptr;
    // For a view of something the user asks for first: asks (a dialog over parent) and puts
    // the answer in the sources, false when the user cancels. Its entry opens the question
    // each time, and carries no check mark.
    bool (*Ask)(QWidget* parent, ViewSources& sources) = nullptr;
};

// Every view, in the order of the View menu; the first is the natal chart, on show when the
// window opens.
std::span<const ViewRow> ViewTable();

// The row of the view named name (its menu entry's object name); -1 when there is none.
int ViewRowOf(const char* name);

}  // namespace velakor
