#include "io/gui/OutputCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>

#include "bmp2jpeg.h"
#include "io/gui/FileReplace.h"
#include "io/JpegNames.h"
#include "io/ReadingFile.h"
#include "io/Report.h"
#include "ui/dialogs/Seams.h"
#include "ui/drawing/ViewPainter.h"

namespace velakor {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr unsigned kSaveFlags = kOverwritePrompt | kHideReadOnly | kPathMustExist | kNoReadOnlyReturn;

// The message names the file and, where the system gave one, the reason in its words.
void SaveFailed(QWidget* parent, const QString& name, const QString& reason = QString()) {
    QString text = Q(kSaveFailedMessage) + name;
    if (!reason.isEmpty()) text += QLatin1Char('\n') + reason + QLatin1Char('.');
    ShowMessage(parent, text, BoxIcon::Critical, QStringLiteral("Velakor"));
}

// Draws the pages onto the printer's paper (or the PDF writer's), each as large as the paper
// allows and centred, in the device's own dots. False when the device could not be painted on.
bool PaintPagesOnPaper(QPagedPaintDevice& device, const PrintedPages& pages) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (int i = 0; i < pages.Count; ++i) {
        if (i > 0 && !device.newPage()) return false;
        const QRect paper = painter.viewport();
        const QSize size = pages.Size;
        const double scale = std::min(paper.width() / double(size.width()), paper.height() / double(size.height()));
        painter.save();
        painter.translate(paper.x() + (paper.width() - size.width() * scale) / 2,
                          paper.y() + (paper.height() - size.height() * scale) / 2);
        painter.scale(scale, scale);
        pages.Paint(painter, i);
        painter.restore();
    }
    return painter.end();
}

// Asks for a file to save into, starting from LastSaveFileName with the dialog's own
// extension (a report is never proposed over a reading); on OK remembers the name.
std::optional<QString> AskSaveName(QWidget* parent, Program& p, std::string_view filter, std::string_view ext,
                                   std::string_view title, FileKind kind) {
    CommonDialog cd(parent);
    cd.Kind = kind;
    cd.Filter = Q(filter);
    cd.DefaultExt = Q(ext);
    cd.DialogTitle = Q(title);
    cd.FileName = QString::fromStdString(WithExtension(p.LastSaveFileName, ext));
    cd.Flags = kSaveFlags;
    if (!cd.ShowSave() || cd.FileName.isEmpty()) return std::nullopt;
    p.LastSaveFileName = cd.FileName.toStdString();
    return cd.FileName;
}

}  // namespace

bool WriteFileSafely(QWidget* parent, const QString& name, const QByteArray& bytes) {
    const QString reason = ReplaceFileWhole(name, bytes);
    if (!reason.isEmpty()) SaveFailed(parent, name, reason);
    return reason.isEmpty();
}

bool SaveReadingAs(QWidget* parent, Program& p) {
    const auto name = AskSaveName(parent, p, kReadingFilter, kReadingExtension, kSaveReadingTitle, FileKind::Readings);
    if (!name) return false;
    // Text pasted into the form can hold what the file cannot keep: say what would be lost.
    const std::vector<LostCharacters> lost = FindLostCharacters(p.Birth);
    if (!lost.empty() && !AskQuestion(parent, QString::fromStdString(LostCharactersQuestion(lost)))) return false;
    const std::string bytes = ReadingFileBytes(p.Birth);
    return WriteFileSafely(parent, *name, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString LocaleMonthName(int month) { return QLocale().standaloneMonthName(month, QLocale::LongFormat); }

void ExportReportAs(QWidget* parent, Program& p) {
    const auto name = AskSaveName(parent, p, kReportFilter, kReportExtension, kReportTitle, FileKind::Reports);
    if (!name) return;
    const std::string text = ReportFileBytes(p.Birth, p.Texts, LocaleMonthName(p.Birth.BirthMonth).toStdString());
    WriteFileSafely(parent, *name, QString::fromStdString(text).toLocal8Bit());
}

std::optional<FormValues> OpenReading(QWidget* parent, const FormValues& current, QString* fileName,
                                      const QString& title) {
    CommonDialog cd(parent);
    cd.Filter = Q(kReadingFilter);
    cd.DefaultExt = Q(kReadingExtension);
    cd.DialogTitle = title.isEmpty() ? Q(kOpenReadingTitle) : title;
    cd.FileName.clear();
    cd.Flags = kFileMustExist | kHideReadOnly | kNoReadOnlyReturn;
    if (!cd.ShowOpen() || cd.FileName.isEmpty()) return std::nullopt;
    const auto values = ReadReadingFile(parent, cd.FileName, current);
    if (values && fileName) *fileName = cd.FileName;
    return values;
}

std::optional<FormValues> ReadReadingFile(QWidget* parent, const QString& path, const FormValues& current) {
    auto refuse = [parent]() -> std::optional<FormValues> {
        ShowMessage(parent, Q(kCheckFileMessage), BoxIcon::Critical, QStringLiteral("Velakor"));
        return std::nullopt;
    };
    if (!HasReadingExtension(path.toStdString())) return refuse();
    // Only a regular file is opened: opening a FIFO would wait for a writer, and a device or
    // a link to one never ends. The check follows links, as opening does.
    if (!QFileInfo(path).isFile()) return refuse();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()) return refuse();
    // One byte more than a reading can hold, so that a larger file is seen and refused.
    const QByteArray bytes = file.read(static_cast<qint64>(kReadingMaxBytes) + 1);
    if (file.error() != QFileDevice::NoError) return refuse();
    const auto values = RestoreReading(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), current);
    if (!values) return refuse();
    return values;
}

void SaveChartPictureAs(QWidget* parent, const QPixmap& picture) {
    CommonDialog cd(parent);
    cd.Kind = FileKind::Pictures;
    cd.DefaultExt = Q(kJpegDefaultExtension);
    cd.Filter = Q(kJpegFilter);
    if (!cd.ShowSave() || cd.FileName.isEmpty()) return;
    SaveFormAsJpeg(parent, picture, cd.FileName);
}

QString SaveFormAsJpeg(QWidget* parent, const QPixmap& picture, const QString& name) {
    const JpegPathResult target =
        JpegTargetPath(name.toStdString(), QCoreApplication::applicationDirPath().toStdString());
    if (target.Path.empty()) {
        ShowMessage(parent, QString::fromStdString(target.Message), BoxIcon::Critical,
                    QString::fromStdString(target.Title));
        return {};
    }
    const QString path = QString::fromStdString(target.Path);

    // Converted in memory: no work folder in the shared temporary folder, which may be full
    // and where a killed save would leave its files for good. The JPEG then goes into the
    // user's folder whole, as any other file we save.
    if (picture.isNull()) {
        SaveFailed(parent, path, QStringLiteral("There is no picture to save"));
        return {};
    }
    const QImage rgb = picture.toImage().convertToFormat(QImage::Format_RGB888);
    unsigned char* jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int converted = rgb.isNull() ? -1
                                       : RgbToJpeg(rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()),
                                                   rgb.height(), kJpegQuality, &jpeg, &jpegSize);
    const QByteArray bytes = converted == 0 ? QByteArray(reinterpret_cast<const char*>(jpeg), static_cast<qsizetype>(jpegSize))
                                            : QByteArray();
    Bmp2JpegFree(jpeg);
    if (bytes.isEmpty()) {
        SaveFailed(parent, path, QStringLiteral("The picture could not be converted to JPEG"));
        return {};
    }
    if (!WriteFileSafely(parent, path, bytes)) return {};
    return path;
}

void SetUpPrintDialog(CommonDialog& cd, QPrinter& printer, const QString& pdfName, const QString& defaultName) {
    cd.Flags = kNoPageNums | kDisablePrintToFile;
    cd.Kind = FileKind::Pdfs;
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // Nothing to print to: offer a PDF file rather than a dialog that can only fail.
        cd.Flags &= ~static_cast<unsigned>(kDisablePrintToFile);
        printer.setOutputFormat(QPrinter::PdfFormat);
        if (printer.outputFileName().isEmpty())
            printer.setOutputFileName(pdfName.isEmpty() ? defaultName : pdfName);
    }
}

bool PrintPagesOf(QWidget* parent, const PrintedPages& pages, QPrinter& printer, const QString& pdfName) {
    CommonDialog cd(parent);
    SetUpPrintDialog(cd, printer, pdfName, QStringLiteral("chart.pdf"));
    cd.DialogTitle = pages.Title;
    if (!pages.Size.isEmpty()) {
        printer.setPageOrientation(pages.Size.width() > pages.Size.height() ? QPageLayout::Landscape
                                                                            : QPageLayout::Portrait);
    }
    if (!cd.ShowPrinter(printer)) return false;
    if (pages.Size.isEmpty() || pages.Count < 1 || !pages.Paint) return false;

    return PrintWhole(
        parent, printer, [&pages](QPagedPaintDevice& device) { return PaintPagesOnPaper(device, pages); },
        QStringLiteral("The chart could not be printed."));
}

bool PrintChartView(QWidget* parent, QWidget* view, QPrinter& printer, const QString& pdfName) {
    PrintedPages pages;
    if (view) {
        pages.Size = view->size();
        pages.Paint = [view](QPainter& painter, int) { PaintViewAsVectors(painter, *view); };
    }
    return PrintPagesOf(parent, pages, printer, pdfName);
}

bool PrintWhole(QWidget* parent, QPrinter& printer, const std::function<bool(QPagedPaintDevice&)>& paint,
                const QString& paintFailed) {
    auto failed = [&] {
        ShowMessage(parent, paintFailed, BoxIcon::Critical, QStringLiteral("Velakor"));
        return false;
    };
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // A PDF file is made whole in memory and then replaces the old file in one step: the
        // printer's own writing would cut an existing PDF short on a full disk, unnoticed.
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter writer(&pdf);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setCreator(printer.creator());
        writer.setTitle(printer.docName());
        if (!paint(writer)) return failed();
        return WriteFileSafely(parent, printer.outputFileName(), pdf.data());
    }
    return paint(printer) ? true : failed();
}

}  // namespace velakor
