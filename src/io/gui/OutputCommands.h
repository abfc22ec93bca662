// The file and print commands of the chart window and the open command of the main form:
// dialogs through the common-dialog seam, messages through the message seam, and every
// file written so that a failure never leaves a broken file where a good one stood.
#pragma once

#include <QPagedPaintDevice>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

#include "app/Calculation.h"
#include "app/Program.h"

class QWidget;
class QPainter;
class QPrinter;

namespace velakor {

class CommonDialog;

// Writes bytes to a hidden file of our own beside name and renames it into place
// (ReplaceFileWhole). On failure shows "The file could not be saved: " + name, and on a
// second line the system's reason ("No space left on device."), critical, and returns false;
// an existing file of that name is then left as it was.
bool WriteFileSafely(QWidget* parent, const QString& name, const QByteArray& bytes);

// Save As: asks for a reading file name (LastSaveFileName, proposed as a .vlj) and writes the
// 17 lines of the chart on show. Cancelling writes nothing and keeps LastSaveFileName. When
// the file cannot keep some characters of the name or the place, asks first whether to save
// without them; No writes nothing. Returns true when the reading was written (under
// LastSaveFileName).
bool SaveReadingAs(QWidget* parent, Program& p);

// Export: asks for a text file name (LastSaveFileName, proposed as a .txt) and writes the report
// with the month name of the user's locale, in the system's 8-bit encoding.
void ExportReportAs(QWidget* parent, Program& p);

// Open: asks for a reading file, checks all of it and returns the form with its values
// restored. Nothing when the user cancels, or when the file is refused (anything but a
// regular file, or not a reading: "Please Check The File." has been shown). The chosen
// file's name goes to fileName when one is given. A dialog that opens a reading for another
// purpose than showing it says so in its title.
std::optional<FormValues> OpenReading(QWidget* parent, const FormValues& current, QString* fileName = nullptr,
                                      const QString& title = QString());

// The checks of Open for a file named otherwise (on the command line, or handed over by a
// second start of the program): the form with the reading's values restored, or nothing
// once "Please Check The File." has been shown.
std::optional<FormValues> ReadReadingFile(QWidget* parent, const QString& path, const FormValues& current);

// The month's full name in the user's locale.
QString LocaleMonthName(int month);

// Save As JPEG: asks for a name with the JPEG dialog and saves the picture under it.
void SaveChartPictureAs(QWidget* parent, const QPixmap& picture);

// Saves the picture as a JPEG under a free name derived from name (numbered when taken),
// converted in memory (the same bytes the converter makes of the picture's bitmap) and
// written as WriteFileSafely writes. A failure names the file and the reason. Returns the
// path written, or an empty text when nothing was written.
QString SaveFormAsJpeg(QWidget* parent, const QPixmap& picture, const QString& name);

// Pages for the printer: each of Size (screen pixels) drawn by Paint(painter, index).
struct PrintedPages {
    QSize Size;
    int Count = 1;
    std::function<void(QPainter&, int)> Paint;
    QString Title;  // the print dialog's, saying what is printed; empty: the system's own
};

// Print: shows the print dialog (no page numbers; no print to file where there are
// printers; where there are none, the dialog offers a PDF file, pdfName at first), the paper
// turned to the pages' shape. On OK draws each page onto a sheet of paper at the printer's own
// resolution, as large as the paper allows and centred. A PDF file is made whole first and
// replaces an existing one only when all of it was written (else as WriteFileSafely). A page
// that cannot be printed is reported. Returns true when the pages were printed.
bool PrintPagesOf(QWidget* parent, const PrintedPages& pages, QPrinter& printer, const QString& pdfName = QString());

// Print of one widget drawn with lines and text (PaintViewAsVectors) on one page.
bool PrintChartView(QWidget* parent, QWidget* view, QPrinter& printer, const QString& pdfName = QString());

// The print dialog's flags for one page: no page numbers, and no print to file unless there
// is no printer at all; then the printer writes a PDF file, pdfName or defaultName (in the
// folder of the PDFs, see CommonDialog) at first.
void SetUpPrintDialog(CommonDialog& cd, QPrinter& printer, const QString& pdfName, const QString& defaultName);

// Paints onto the printer, or, where the printer writes a PDF file, onto a PDF made whole in
// memory with the printer's page layout, which then replaces the file as WriteFileSafely does
// (a full disk never leaves half a PDF where a good one stood). A failed paint shows
// paintFailed. Returns true when the page reached the printer or the file.
bool PrintWhole(QWidget* parent, QPrinter& printer, const std::function<bool(QPagedPaintDevice&)>& paint,
                const QString& paintFailed);

}  // namespace velakor
