// The output commands through the chart window: menus, toolbar and buttons, with the
// dialogs answered through the seam.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "app/Calculation.h"
#include "support/PdfPages.h"
#include "io/ReadingFile.h"
#include "ui/window/MDI.h"
#include "io/gui/OutputCommands.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/dialogs/Seams.h"
#include "ui/views/frmDisplay.h"

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
    QStringList initialFolders_;  // where each dialog opened (a printer's: its PDF file's folder)
    QStringList messages_;

    QAction* Action(const char* name) { return frame_->findChild<QAction*>(QString::fromLatin1(name)); }

private slots:
    void init() {
        answers_.clear();
        initialNames_.clear();
        initialFolders_.clear();
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
            initialFolders_ << (kind == DialogKind::Printer ? QFileInfo(printer->outputFileName()).path() : d.InitDir);
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

    // Every page and picture says whose chart it is, when and where, and which sky.
    void printAndPictureTakeTheViewOnShow_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("texts");  // on the page and in the view the picture is taken of
        const QString builtin = QStringLiteral("Built-in formulas, Rahu one degree behind the mean node");
        const QString who = QStringLiteral("Asha Rao \u2014 Bangalore, Karnataka, India");
        const QString born = QStringLiteral("Born 2000-03-01 at 10:00, UTC+05:30");
        QTest::newRow("natal chart") << QStringList{}
                                     << QStringList{"Name: Asha Rao", "City: Bangalore", "Date of Birth: March 1, 2000",
                                                    "Rashi (D1), North Indian \u2014 " + builtin};
        QTest::newRow("navamsa, South Indian, in colour")
            << QStringList{"mnuSouth", "mnuColorOn", "mnuSub_Navamsa"}
            << QStringList{"Name: Asha Rao", "Navamsa (D9), South Indian \u2014 " + builtin};
        QTest::newRow("dasha") << QStringList{"mnuDasha"}
                               << QStringList{"Vimshottari Dasha \u2014 " + builtin, who, born};
        QTest::newRow("panchanga in the precise sky")
            << QStringList{"mnuPreciseSky", "mnuPanchanga"}
            << QStringList{"Panchanga \u2014 Precise (JPL ephemeris), Lahiri, mean node", who, born};
    }
    void printAndPictureTakeTheViewOnShow() {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, texts);
        QTemporaryDir dir;
        emit frame_->frameActivated();
        for (const QString& name : chosen) frame_->findChild<QAction*>(name)->trigger();

        // The page: one, drawn with its text.
        answers_ << dir.filePath("chart.pdf");
        Action("mnuPrint")->trigger();
        const testing::PdfSummary pdf = testing::ReadPdf(dir.filePath("chart.pdf"));
        QCOMPARE(pdf.pages, 1);
        QVERIFY(pdf.pageSize.width() > pdf.pageSize.height());
        QStringList shown;
        for (const QLabel* label : frame_->viewOnShow()->findChildren<QLabel*>())
            if (label->isVisibleTo(frame_->viewOnShow())) shown << label->text();
        for (const QString& text : texts) {
            QVERIFY2(pdf.text.simplified().contains(text), qPrintable(text + " not on the page:\n" + pdf.text));
            QVERIFY2(shown.join('\n').contains(text), qPrintable(text + " not in the picture:\n" + shown.join('\n')));
        }
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
        if (frame_->viewOnShow() != frame_->display())
            QVERIFY(distance(frame_->viewOnShow()) * 4 < distance(frame_->display()));

        // Cancelled: nothing printed.
        frame_->TB_ButtonClick(QStringLiteral("Print"));
        QCOMPARE(QDir(dir.path()).entryList({"*.pdf"}, QDir::Files).size(), 1);
    }

    // Every file dialog opens in the folder last chosen, and the folder of the file chosen
    // is remembered for the next.
    void everyDialogStartsInTheLastFolder_data() {
        QTest::addColumn<QString>("command");  // an action of the window, or "open"
        QTest::addColumn<QString>("answer");   // the file chosen in the dialog
        for (const char* command : {"mnuSaveAs", "mnuSaveAsJpeg", "mnuExport", "mnuPrint", "mnuPrintSheet",
                                    "mnuExportSheet", "open"})
            QTest::newRow(command) << command << QStringLiteral("chosen.pdf");
    }
    void everyDialogStartsInTheLastFolder() {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        // The remembered folder lives in the settings, which only a named program keeps: kept
        // here in a folder of the test's own, for this test only.
        QTemporaryDir config, last, next;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QCoreApplication::setOrganizationName(QStringLiteral("velakor-tests"));
        const auto unnamed = qScopeGuard([] { QCoreApplication::setOrganizationName(QString()); });
        ProgramSettings::SetLastFolder(last.path());
        // A reading saved elsewhere before proposes its name, in the last folder.
        program_.LastSaveFileName = QDir::temp().filePath("asha.vlj").toStdString();
        auto run = [&] {
            if (command == QLatin1String("open")) {
                OpenReading(frame_, FormValues{}, nullptr);
            } else {
                Action(qPrintable(command))->trigger();
            }
        };
        run();  // cancelled
        QCOMPARE(initialFolders_, QStringList{last.path()});
        if (!initialNames_.constFirst().isEmpty()) QCOMPARE(QFileInfo(initialNames_.constFirst()).path(), last.path());

        answers_ << QDir(next.path()).filePath(answer);
        run();
        QCOMPARE(ProgramSettings::LastFolder(), next.path());
        run();
        QCOMPARE(initialFolders_.last(), next.path());
    }
};

QTEST_MAIN(ChartOutputTest)
#include "test_chart_output.moc"
