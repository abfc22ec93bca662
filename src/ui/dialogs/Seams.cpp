#include "ui/dialogs/Seams.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStringList>

#include "ui/settings/ProgramSettings.h"

namespace velakor {
namespace {

// The seams are process state by nature (they stand for the platform), so they live here,
// set only by tests.
MessageHandler& MessageOverride() {
    static MessageHandler handler;
    return handler;
}

QuestionHandler& QuestionOverride() {
    static QuestionHandler handler;
    return handler;
}

DialogHandler& DialogOverride() {
    static DialogHandler handler;
    return handler;
}

// "Velakor (*.vlj)|*.vlj" -> "Velakor (*.vlj)": Qt reads the patterns from the description.
QString QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i];
        if (!desc.contains(QLatin1Char('('))) desc += QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
        out << desc;
    }
    if (out.isEmpty() && !filter.isEmpty()) out << filter;
    return out.join(QStringLiteral(";;"));
}

bool RunFileDialog(CommonDialog& d, bool save) {
    QFileDialog dialog(d.parent(), d.DialogTitle, QString(), QtFilter(d.Filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile
                            : ((d.Flags & kAllowMultiSelect) ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile));
    QString ext = d.DefaultExt;
    if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
    dialog.setDefaultSuffix(ext);
    if (!(d.Flags & kOverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (d.Flags & kNoReadOnlyReturn) dialog.setOption(QFileDialog::ReadOnly, false);
    if (!d.InitDir.isEmpty()) dialog.setDirectory(d.InitDir);
    if (!d.FileName.isEmpty()) dialog.selectFile(d.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        d.FileName.clear();
        return false;
    }
    d.FileNames = dialog.selectedFiles();
    d.FileName = d.FileNames.constFirst();
    return !d.FileName.isEmpty();
}

bool RunPrintDialog(CommonDialog& d, QPrinter& printer) {
    QPrintDialog dialog(&printer, d.parent());
    if (!d.DialogTitle.isEmpty()) dialog.setWindowTitle(d.DialogTitle);
    QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
    if (d.Flags & kNoPageNums) options &= ~QAbstractPrintDialog::PrintPageRange;
    if (d.Flags & kDisablePrintToFile) options &= ~QAbstractPrintDialog::PrintToFile;
    dialog.setOptions(options);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void ShowMessage(QWidget* parent, const QString& text, BoxIcon icon, const QString& title) {
    if (MessageOverride()) {
        MessageOverride()(text, icon, title);
        return;
    }
    QMessageBox::Icon qtIcon = QMessageBox::Information;
    if (icon == BoxIcon::Critical) qtIcon = QMessageBox::Critical;
    if (icon == BoxIcon::Exclamation) qtIcon = QMessageBox::Warning;
    if (icon == BoxIcon::Question) qtIcon = QMessageBox::Question;
    QMessageBox box(qtIcon, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("velakor::MessageBox", "OK"));
    // Messages carry file and place names, which may hold anything: never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void SetMessageHandler(MessageHandler handler) { MessageOverride() = std::move(handler); }

bool AskQuestion(QWidget* parent, const QString& text, const QString& title) {
    if (QuestionOverride()) return QuestionOverride()(text, title);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    // Qt has no Hindi or Tamil of its own buttons: the program's catalogue names them.
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("velakor::MessageBox", "&Yes"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("velakor::MessageBox", "&No"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<bool> AskQuestionOrCancel(QWidget* parent, const QString& text, const QString& title) {
    if (QuestionOverride()) return QuestionOverride()(text, title);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) return true;
    if (answer == QMessageBox::No) return false;
    return std::nullopt;
}

void SetQuestionHandler(QuestionHandler handler) { QuestionOverride() = std::move(handler); }

void SetDialogHandler(DialogHandler handler) { DialogOverride() = std::move(handler); }

void CommonDialog::StartInLastFolder(QPrinter* printer) {
    const QString proposed = printer ? printer->outputFileName() : FileName;
    const QFileInfo info(proposed);
    QString folder = ProgramSettings::LastFolder(Kind);
    if (folder.isEmpty()) {
        // Nothing of this kind chosen yet: a proposed name's own folder (the reading saved
        // last, a PDF beside its reading), else the user's documents.
        if (!proposed.isEmpty() && info.path() != QLatin1String(".")) {
            InitDir = info.absolutePath();
            return;
        }
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    }
    InitDir = folder;
    if (proposed.isEmpty()) return;
    const QString moved = QDir(folder).filePath(info.fileName());
    if (printer) {
        printer->setOutputFileName(moved);
    } else {
        FileName = moved;
    }
}

void CommonDialog::RememberFolder(QPrinter* printer) const {
    const QString chosen =
        printer ? (printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : QString()) : FileName;
    if (!chosen.isEmpty())
        ProgramSettings::ReportNotStored(parent_, ProgramSettings::SetLastFolder(Kind, QFileInfo(chosen).absolutePath()));
}

bool CommonDialog::ShowOpen() {
    StartInLastFolder(nullptr);
    const bool chosen = DialogOverride() ? DialogOverride()(*this, DialogKind::Open, nullptr) : RunFileDialog(*this, false);
    if (chosen) RememberFolder(nullptr);
    return chosen;
}

bool CommonDialog::ShowSave() {
    StartInLastFolder(nullptr);
    const bool chosen = DialogOverride() ? DialogOverride()(*this, DialogKind::Save, nullptr) : RunFileDialog(*this, true);
    if (chosen) RememberFolder(nullptr);
    return chosen;
}

bool CommonDialog::ShowFolder() {
    if (DialogOverride()) return DialogOverride()(*this, DialogKind::Folder, nullptr);
    const QString start = FileName.isEmpty() ? ProgramSettings::LastFolder(Kind) : FileName;
    FileName = QFileDialog::getExistingDirectory(parent_, DialogTitle, start);
    if (FileName.isEmpty()) return false;
    ProgramSettings::ReportNotStored(parent_, ProgramSettings::SetLastFolder(Kind, FileName));
    return true;
}

bool CommonDialog::ShowPrinter(QPrinter& printer) {
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    if (toFile) StartInLastFolder(&printer);
    const bool chosen = DialogOverride() ? DialogOverride()(*this, DialogKind::Printer, &printer) : RunPrintDialog(*this, printer);
    if (chosen) RememberFolder(&printer);
    return chosen;
}

}  // namespace velakor
