// The program's only ways of asking the user something: message boxes and the common
// file/print dialogs. Production shows real Qt dialogs; tests install recorders that answer.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "ui/settings/ProgramSettings.h"

class QWidget;
class QPrinter;

namespace velakor {

enum class BoxIcon { Critical, Information, Exclamation, Question };

// Shows a modal message box with an OK button. The title defaults to the program title.
void ShowMessage(QWidget* parent, const QString& text, BoxIcon icon,
                 const QString& title = QStringLiteral("Velakor"));

// Replaces the message box (tests). Pass nullptr to restore the real one.
using MessageHandler = std::function<void(const QString& text, BoxIcon icon, const QString& title)>;
void SetMessageHandler(MessageHandler handler);

// Asks a question in a modal message box with the question icon and the buttons Yes and No
// (No the default, so that Enter loses nothing). True when the user answers Yes.
bool AskQuestion(QWidget* parent, const QString& text, const QString& title = QStringLiteral("Velakor"));

// Asks a question that may also be given up: Yes, No and Cancel, where Escape and the close
// box cancel and No is the default. Empty when cancelled. The question handler, when one is
// installed, answers it as it answers AskQuestion.
std::optional<bool> AskQuestionOrCancel(QWidget* parent, const QString& text,
                                        const QString& title = QStringLiteral("Velakor"));

// Replaces the question box (tests): the handler answers, true for Yes. nullptr restores it.
using QuestionHandler = std::function<bool(const QString& text, const QString& title)>;
void SetQuestionHandler(QuestionHandler handler);

// Flags of the common dialog that the program uses.
enum DialogFlag : unsigned {
    kOverwritePrompt = 1u << 0,
    kHideReadOnly = 1u << 1,
    kPathMustExist = 1u << 2,
    kNoReadOnlyReturn = 1u << 3,
    kFileMustExist = 1u << 4,
    kNoPageNums = 1u << 5,
    kDisablePrintToFile = 1u << 6,
    kAllowMultiSelect = 1u << 7,  // open: several files at once, all of them in FileNames
};

// The common dialog: set its properties, then ShowOpen, ShowSave or ShowPrinter.
// Each returns false when the user cancels (FileName is then left empty for open/save).
//
// Every dialog starts in the folder where a file of its Kind was last chosen, and the first
// time in the user's documents folder: a proposed FileName keeps its own name there, and a
// printer's PDF file goes there too. The folder of the file chosen becomes the one
// remembered for its kind.
class CommonDialog {
public:
    QString Filter;      // "Description (*.ext)|*.ext"
    QString DefaultExt;  // without or with a leading dot
    QString DialogTitle;
    QString FileName;
    QStringList FileNames;  // open with kAllowMultiSelect: every file chosen (FileName the first)
    QString InitDir;  // the folder the dialog opens in; set by Show* from the remembered one
    unsigned Flags = 0;
    FileKind Kind = FileKind::Readings;

    explicit CommonDialog(QWidget* parent = nullptr) : parent_(parent) {}
    bool ShowOpen();
    bool ShowSave();
    // On success the printer is set up as the user chose.
    bool ShowPrinter(QPrinter& printer);
    // Chooses an existing folder (into FileName), starting from FileName.
    bool ShowFolder();

    QWidget* parent() const { return parent_; }

private:
    void StartInLastFolder(QPrinter* printer);
    void RememberFolder(QPrinter* printer) const;

    QWidget* parent_;
};

// What a dialog seam answers: accept (with a file name for open/save) or cancel.
enum class DialogKind { Open, Save, Printer, Folder };
using DialogHandler = std::function<bool(CommonDialog& dialog, DialogKind kind, QPrinter* printer)>;
void SetDialogHandler(DialogHandler handler);

}  // namespace velakor
