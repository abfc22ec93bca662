// The chart window's matching: a second reading opened through the reading checks, the
// bride asked for, the Matching view filled with both persons and printed and saved as a
// picture naming them and the sky.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QPointer>
#include <QPrinter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "TestSupport.h"
#include "io/ReadingFile.h"
#include "io/gui/OutputCommands.h"
#include "support/MainFormDriver.h"
#include "support/PdfPages.h"
#include "ui/window/MDI.h"
#include "ui/views/MatchingView.h"
#include "ui/views/frmDisplay.h"

using namespace velakor;

namespace {

QAction* Entry(QWidget* frame, const char* name) { return frame->findChild<QAction*>(QString::fromLatin1(name)); }

// Asha Rao: Mumbai, 2 October 1969, 7:30 Indian time; a place long enough to need two lines.
FormValues AshaForm() {
    FormValues v = test::Form(2, 10, 1969, 7, 30, test::kIndian, 19, 4, false, 72, 52, true);
    v.Name = "Asha Rao";
    v.City = "Mumbai";
    v.State = "Maharashtra";
    v.Country = "Republic of India, the Konkan coast of the Arabian Sea";
    return v;
}

}  // namespace

class TestMatching : public QObject {
    Q_OBJECT

    Program program_;
    QPointer<MDI> frame_;
    QTemporaryDir dir_;
    QString openPath_;
    QString savePath_;

    void WriteFile(const QString& path, const std::string& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir_.isValid());
        SetDialogHandler([this](CommonDialog& d, DialogKind kind, QPrinter* printer) {
            if (kind == DialogKind::Open) d.FileName = openPath_;
            if (kind == DialogKind::Save) d.FileName = savePath_;
            if (kind == DialogKind::Printer && printer) {
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(savePath_);
            }
            return true;
        });
    }

    void init() {
        RunCalculation(program_, test::DelhiForm("Ravi Kumar"));
        frame_ = new MDI(program_);
        frame_->WriteChart();
        frame_->show();
    }
    void cleanup() { delete frame_.data(); }

    void matchesWithTheBrideChosenAndNamesBothInPrint() {
        openPath_ = dir_.filePath(QStringLiteral("asha.vlj"));
        WriteFile(openPath_, ReadingFileBytes(test::Computed(AshaForm()).Birth));
        testing::MessageLog log;
        log.answer = true;  // Asha Rao is the bride
        QVERIFY(!Entry(frame_, "mnuMatching")->isEnabled());
        Entry(frame_, "mnuMatch")->trigger();
        QCOMPARE(log.messages.size(), 1);
        QVERIFY2(log.messages[0].text.startsWith("Is Asha Rao the bride?"), qPrintable(log.messages[0].text));

        QCOMPARE(frame_->viewName(), QStringLiteral("mnuMatching"));
        QVERIFY(Entry(frame_, "mnuMatching")->isChecked() && !Entry(frame_, "mnuChart")->isChecked());
        MatchingView* view = frame_->viewOf<MatchingView>();
        QCOMPARE(frame_->viewOnShow(), static_cast<QWidget*>(view));
        QVERIFY(view->isVisible());
        const auto label = [view](const char* name) { return view->findChild<QLabel*>(name)->text(); };
        QVERIFY2(label("lblMatchingBride").startsWith("Bride: Asha Rao, born 2 October 1969 at 7:30 in Mumbai"),
                 qPrintable(label("lblMatchingBride")));
        QVERIFY2(label("lblMatchingGroom").contains("Groom: Ravi Kumar, born 15 August 1947 at 0:00 in New Delhi"),
                 qPrintable(label("lblMatchingGroom")));
        QVERIFY(label("lblMatchingGroom").contains("Pushya pada"));
        QCOMPARE(label("lblMatchingSky"), QString("Positions: Built-in formulas, Rahu one degree behind the mean node"));
        // The roles reach the core as chosen: the view's match is the bride's chart first.
        const Match expected = MatchCharts(test::Computed(AshaForm()).Chart, program_.Chart);
        QCOMPARE(view->match().Total, expected.Total);
        QCOMPARE(view->table()->rowCount(), kKutaCount);
        QCOMPARE(view->table()->item(7, 0)->text(), QString("Nadi"));
        QCOMPARE(view->table()->item(7, 4)->text(), QString("8"));
        QVERIFY(label("lblMatchingTotal").startsWith("Total: " + QString::fromStdString(PointsText(expected.Total)) +
                                                     " of 36 points: "));
        QVERIFY(label("lblMarsBride").startsWith("Bride: "));

        // The picture and the printout are the view on show, naming both and the sky.
        QCOMPARE(frame_->Picture().toImage(), view->grab().toImage());
        savePath_ = dir_.filePath(QStringLiteral("match.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        QVERIFY(PrintChartView(frame_, frame_->viewOnShow(), printer));
        const QString text = testing::ReadPdf(savePath_).text;
        for (const char* words : {"Ashtakoota Matching", "Asha Rao", "Mrigsira pada", "Ravi Kumar", "Built-in formulas",
                                  "Graha Maitri", "Bhakoot", "of 36 points", "Manglik"})
            QVERIFY2(text.contains(words), qPrintable(words + QStringLiteral("\n") + text));

        // Answered No, the chart on show is the bride's.
        log.answer = false;
        Entry(frame_, "mnuMatch")->trigger();
        QVERIFY(label("lblMatchingBride").startsWith("Bride: Ravi Kumar"));
        QCOMPARE(view->match().Total, MatchCharts(program_.Chart, test::Computed(AshaForm()).Chart).Total);
    }

    void refusedReadingChangesNothing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");  // the first line of what the user was shown
        QTest::addColumn<bool>("escape");       // the bride question answered with Escape
        QTest::newRow("not a reading") << "notes.txt" << QByteArray("hello\n") << "Please Check The File." << false;
        FormValues noCity = AshaForm();
        noCity.City.clear();
        const std::string bytes = ReadingFileBytes(test::Computed(noCity).Birth);
        QTest::newRow("refused by the form")
            << "refused.vlj" << QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))
            << "Please Enter Your City name" << false;
        const std::string asha = ReadingFileBytes(test::Computed(AshaForm()).Birth);
        QTest::newRow("Escape at the bride question")
            << "asha.vlj" << QByteArray(asha.data(), static_cast<qsizetype>(asha.size())) << "Is Asha Rao the bride?"
            << true;
    }
    void refusedReadingChangesNothing() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(bool, escape);
        openPath_ = dir_.filePath(file);
        WriteFile(openPath_, bytes.toStdString());
        testing::MessageLog log;
        QStringList asked;  // the real question box, answered with Escape
        if (escape) {
            SetQuestionHandler(nullptr);
            QTimer::singleShot(0, [&asked] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked << box->text().section(QLatin1Char('\n'), 0, 0);
                    QTest::keyClick(box, Qt::Key_Escape);
                }
            });
        }
        Entry(frame_, "mnuMatch")->trigger();
        QCOMPARE(log.texts() + asked, QStringList{message});
        QCOMPARE(frame_->viewName(), QStringLiteral("mnuChart"));
        QVERIFY(!Entry(frame_, "mnuMatching")->isEnabled());
    }
};

QTEST_MAIN(TestMatching)
#include "test_matching.moc"
