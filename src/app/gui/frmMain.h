// The main form: the birth data, its key filters and rules, and the calculation command
// that turns them into a chart shown in the chart window.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <memory>
#include <optional>

#include "app/Calculation.h"
#include "app/gui/FieldFilter.h"
#include "app/Program.h"

class QLineEdit;

namespace Ui {
class frmMain;
}

namespace velakor {

class ChartLibrary;
class LibraryWindow;
class MDI;
class PlaceSuggestions;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Program& program, QWidget* parent = nullptr);
    ~frmMain() override;

    // The form's fields as the rules and the birth record read them.
    FormValues CollectFormValues() const;
    // Puts values into the fields (a reading opened from a file).
    void WriteFormValues(const FormValues& values);

    // Checks the fields; on the first rule that fails tells the user, does the rule's
    // follow-up and returns false.
    bool ValidateInput();

    // The chart window of the last calculation, while it is open.
    MDI* chartWindow() const;

    // The City box's suggestions from the atlas of birth places.
    PlaceSuggestions* placeSuggestions() const { return suggestions_; }

public slots:
    // The calculation command: validate, compute, fill and show the chart window, hide
    // this form.
    void cmdCalculate_Click();
    // Opens a saved reading: its values go into the fields, then the calculation runs.
    void cmdOpen_Click();
    // Map search for the birth place in the user's browser.
    void Command1_Click();
    // The chart library's window (one at a time); nothing when the library cannot be used.
    LibraryWindow* ShowLibrary();
    // Keeps the chart on show in the library, with the sky it is shown in.
    void SaveToLibrary();
    // The chart window asks for a partner to match from the library: the library window
    // shows with a button to pick one, and the chart picked goes to that chart window.
    void PickPartnerFromLibrary();
    // A chart chosen in the library: shown as an opened reading is.
    void OpenFromLibrary(const velakor::FormValues& values);
    // A reading named on the command line or handed over by a second start: checked as Open
    // checks a file, then shown as an opened reading is, its window brought to the front.
    // While a dialog is open it waits for it to close.
    void OpenFile(const QString& path);

signals:
    // The program is to end: the main form was closed (close box or File > Exit) or the
    // chart window's Exit was chosen. Emitted once; every window is closed by then.
    void programEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The form's texts follow the interface's language.
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    // The last row of the zone list shows the mean time of the longitude in the boxes.
    void ShowLocalMeanTimeOffset();
    // Back or New of the chart window: the form comes back where it was, ready for typing.
    void ShowAgain();
    void mnuAbout_Click();
    void EndProgram();
    void FinishEnding();
    QLineEdit* FieldEdit(FormField field) const;
    // The filtered box's message for a refused character; the letter boxes take the focus back.
    void RefuseInput(QLineEdit* box, bool letters);
    // Inserts the clipboard's text as far as the box's filter lets it in.
    void PasteFiltered(QLineEdit* box, FieldKind kind, bool letters);
    // Puts an opened reading's values into the fields and calculates; from the chart window,
    // values that cannot be charted leave the fields as they were.
    void OpenValues(const FormValues& values, const QString& fileName);
    // The library, opened when first needed (telling the user when it was set aside or
    // cannot be used).
    ChartLibrary* Library(QWidget* parent);

    Program& program_;
    std::unique_ptr<Ui::frmMain> ui_;
    QSet<QObject*> letterBoxes_;
    QSet<QObject*> numberBoxes_;
    QPointer<MDI> chartWindow_;
    std::unique_ptr<ChartLibrary> library_;
    QPointer<LibraryWindow> libraryWindow_;
    PlaceSuggestions* suggestions_ = nullptr;
    bool ending_ = false;
    std::optional<QPoint> placeBeforeHiding_;  // where the form stood when a chart replaced it
};

}  // namespace velakor
