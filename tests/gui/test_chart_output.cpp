// The output commands through the chart window: menus, toolbar and buttons, with the
// dialogs answered through the seam.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/Calculation.h"
#include "io/ReadingFile.h"
#include "ui/MDI.h"
#include "ui/Seams.h"
#include "ui/frmDisplay.h"

using namespace velakor;

namespace {

FormValues Form() {
    FormValues v;
    v.Name = "Asha Rao";
    v.Day = 1;
    v.Month = 3;
    v.Year = 2000;
    v.Hour = 10;
    v.ZoneIndex = 34;
    v.LatDeg = "12";
    v.LatMin = "58";
    v.LonDeg = "77";
    v.LonMin = "35";
    v.City = "Bangalore";
    v.State = "Karnataka";
    v.Country = "India";
    return v;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class ChartOutputTest : public QObject {
    Q_OBJECT

    Program program_;
    QPointer<MDI> frame_;
    QTemporaryDir dir_;
    QStringList answers_;  // file names the next dialogs return, in order
    QStringList initialNames_;
    QStringList messages_;

    QAction* Action(const char* name) { return frame_->findChild<QAction*>(QString::fromLatin1(name)); }

private slots:
    void init() {
        answers_.clear();
        initialNames_.clear();
        messages_.clear();
        program_ = Program{};
        RunCalculation(program_, Form());
        frame_ = new MDI(program_);
        frame_->WriteChart();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_));
        SetMessageHandler([this](const QString& text, BoxIcon, const QString&) { messages_ << text; });
        SetDialogHandler([this](CommonDialog& d, DialogKind kind, QPrinter* printer) {
            initialNames_ << d.FileName;
            if (answers_.isEmpty()) return false;
            const QString answer = answers_.takeFirst();
            if (kind == DialogKind::Printer) {
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(answer);
                return true;
            }
            d.FileName = answer;
            return true;
        });
    }

    void cleanup() {
        SetDialogHandler(nullptr);
        SetMessageHandler(nullptr);
        if (frame_) {
            frame_->disconnect();
            delete frame_;
        }
    }

    void saveAsFromMenuAndToolbarThenExport() {
        answers_ << dir_.filePath("asha.vlj");
        Action("mnuSaveAs")->trigger();
        const std::string expected = ReadingFileBytes(program_.Birth);
        QCOMPARE(ReadAll(dir_.filePath("asha.vlj")), QByteArray::fromStdString(expected));

        answers_ << dir_.filePath("asha.txt");
        Action("mnuExport")->trigger();
        const QByteArray report = ReadAll(dir_.filePath("asha.txt"));
        QVERIFY(report.startsWith("Name: Asha Rao\r\nDate of Birth: "));
        QCOMPARE(report.count("\r\n"), 26);

        // The toolbar's Save proposes the name last chosen, as a reading.
        frame_->TB_ButtonClick(QStringLiteral("Save"));
        QCOMPARE(initialNames_.last(), dir_.filePath("asha.vlj"));
        QVERIFY(messages_.isEmpty());
    }

    void jpegFromTheButtonLooksLikeTheChart() {
        emit frame_->frameActivated();
        answers_ << dir_.filePath("asha");
        frame_->findChild<QPushButton*>(QStringLiteral("cmdSaveAsJPEG"))->click();
        const QImage jpeg(dir_.filePath("asha.jpg"));
        QCOMPARE(jpeg.size(), QSize(frmDisplay::kWidth, frmDisplay::kHeight));
        QCOMPARE(jpeg.size(), frame_->display()->size());
        // Inside the chart's orange square, clear of its lines and labels.
        const QPoint inside(frame_->display()->findChild<QWidget*>(QStringLiteral("picNorth"))->geometry().topLeft() +
                            QPoint(20, 185));
        const QColor c = jpeg.pixelColor(inside);
        QVERIFY2(c.red() > 200 && c.blue() < 80, qPrintable(c.name()));
        QVERIFY(QDir(dir_.path()).entryList({"*.bmp"}, QDir::Files).isEmpty());

        answers_ << dir_.filePath("asha");
        Action("mnuSaveAsJpeg")->trigger();
        QVERIFY(QFile::exists(dir_.filePath("asha_001.jpg")));
    }

    void printMenuPrintsOnePage() {
        emit frame_->frameActivated();
        answers_ << dir_.filePath("chart.pdf");
        Action("mnuPrint")->trigger();
        const QByteArray pdf = ReadAll(dir_.filePath("chart.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains("/Subtype /Image"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);

        // Cancelled: nothing printed.
        frame_->TB_ButtonClick(QStringLiteral("Print"));
        QCOMPARE(QDir(dir_.path()).entryList({"*.pdf"}, QDir::Files).size(), 1);
    }
};

QTEST_MAIN(ChartOutputTest)
#include "test_chart_output.moc"
