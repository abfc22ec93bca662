// The output commands through the chart window: menus, toolbar and buttons, with the
// dialogs answered through the seam.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/Calculation.h"
#include "support/PdfPages.h"
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
        // The status bar names the reading once it is saved.
        QCOMPARE(frame_->findChild<QLabel*>(QStringLiteral("lblStatusFile"))->text(), QStringLiteral("asha.vlj"));

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

    void printAndPictureTakeTheViewOnShow_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("title");
        QTest::newRow("natal chart") << QStringList{} << "Rashi (D1), North Indian";
        QTest::newRow("navamsa, South Indian, in colour")
            << QStringList{"mnuSouth", "mnuColorOn", "mnuSub_Navamsa"} << "Navamsa (D9), South Indian";
    }
    void printAndPictureTakeTheViewOnShow() {
        QFETCH(QStringList, chosen);
        QFETCH(QString, title);
        QTemporaryDir dir;
        emit frame_->frameActivated();
        for (const QString& name : chosen) frame_->findChild<QAction*>(name)->trigger();

        // The page: one, drawn with its text, the birth details and the chart's name on it.
        answers_ << dir.filePath("chart.pdf");
        Action("mnuPrint")->trigger();
        const testing::PdfSummary pdf = testing::ReadPdf(dir.filePath("chart.pdf"));
        QCOMPARE(pdf.pages, 1);
        QVERIFY(pdf.pageSize.width() > pdf.pageSize.height());
        for (const QString& text : {QStringLiteral("Name: Asha Rao"), QStringLiteral("City: Bangalore"),
                                    QStringLiteral("Date of Birth: March 1, 2000"), title})
            QVERIFY2(pdf.text.contains(text), qPrintable(text + " not in:\n" + pdf.text));
        QVERIFY(messages_.isEmpty());

        // The picture: the view on show, not the natal display behind it.
        answers_ << dir.filePath("chart.jpg");
        Action("mnuSaveAsJpeg")->trigger();
        const QImage jpeg = QImage(dir.filePath("chart.jpg")).convertToFormat(QImage::Format_RGB32);
        auto distance = [&](QWidget* view) {
            const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
            qint64 sum = 0;
            for (int y = 0; y < jpeg.height(); y += 3)
                for (int x = 0; x < jpeg.width(); x += 3)
                    sum += qAbs(qGray(jpeg.pixel(x, y)) - qGray(shown.pixel(x, y)));
            return sum;
        };
        QCOMPARE(jpeg.size(), frame_->viewOnShow()->size());
        if (!chosen.isEmpty()) QVERIFY(distance(frame_->viewOnShow()) * 4 < distance(frame_->display()));

        // Cancelled: nothing printed.
        frame_->TB_ButtonClick(QStringLiteral("Print"));
        QCOMPARE(QDir(dir.path()).entryList({"*.pdf"}, QDir::Files).size(), 1);
    }
};

QTEST_MAIN(ChartOutputTest)
#include "test_chart_output.moc"
