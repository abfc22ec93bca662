// Driving the main form as a user would, and recording what the program would have shown
// or opened, for the GUI tests.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "app/Calculation.h"
#include "ui/dialogs/Seams.h"

namespace velakor::testing {

struct ShownMessage {
    QString text;
    BoxIcon icon;
    QString title;
};

// Answers every message box with OK, and every question with `answer`, and keeps what each
// said (a question with the icon BoxIcon::Question). Restores the real boxes when it goes
// out of scope.
class MessageLog {
public:
    bool answer = true;  // Yes
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    QList<ShownMessage> messages;
    QStringList texts() const;
    void clear() { messages.clear(); }
};

// Keeps every address the program would have opened in the browser.
class UrlLog {
public:
    UrlLog();
    ~UrlLog();
    UrlLog(const UrlLog&) = delete;
    UrlLog& operator=(const UrlLog&) = delete;

    QList<QUrl> urls;
};

// One person's birth data as the user enters it.
struct BirthEntry {
    QString name;
    int day = 1;
    int month = 1;  // 1..12
    int year = 1901;
    int hour = 0;
    int minute = 0;
    int zone = 0;  // row of the zone list
    QString latDeg, latMin, lonDeg, lonMin;
    bool south = false;
    bool west = false;
    bool dst = false;
    QString city, state, country;
};

// Typical complete entries.
BirthEntry DelhiEntry();
BirthEntry LondonEntry();

// Types a text key by key into a widget, as a keyboard would, letters outside ASCII
// included.
void TypeKeys(QWidget* widget, const QString& text);

// Clears the text boxes and types the entry: keys into the text boxes, picks in the lists,
// clicks on the options and the check box.
void EnterBirthData(QWidget* form, const BirthEntry& entry);

// The same entry as the form's values, built without the form.
FormValues ToFormValues(const BirthEntry& entry);

// Finds a child by object name; warns with the name when it is missing.
template <typename T>
T* Child(QWidget* parent, const QString& name) {
    T* child = parent ? parent->findChild<T*>(name) : nullptr;
    if (!child) qWarning("missing control: %s", qPrintable(name));
    return child;
}

}  // namespace velakor::testing
