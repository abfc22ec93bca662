// The output commands through the chart window: menus, toolbar and buttons, with the
// dialogs answered through the seam.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <map>

#include "app/Calculation.h"
#include "support/PdfPages.h"
#include "io/ReadingFile.h"
#include "ui/window/MDI.h"
#include "ui/window/ViewSources.h"
#include "ui/window/ViewTable.h"
#include "io/gui/OutputCommands.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/dialogs/HoraryDialog.h"
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

    // Answers the horary dialog the next command opens as a user would: the number typed,
    // the place Chennai (13°05' N, 80°17' E), OK; a dialog still open after OK refused it and
    // is cancelled.
    void AnswerHorary(const QString& number) {
        QTimer::singleShot(0, this, [number] {
            auto* dialog = qobject_cast<HoraryDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("txtHoraryNumber"));
            box->clear();
            QTest::keyClicks(box, number);
            auto* place = dialog->findChild<QLineEdit*>(QStringLiteral("txtHoraryPlace"));
            place->clear();
            QTest::keyClicks(place, QStringLiteral("Chennai"));
            const std::pair<const char*, int> fields[] = {{"spnHoraryLatDeg", 13}, {"spnHoraryLatMin", 5},
                                                          {"spnHoraryLonDeg", 80}, {"spnHoraryLonMin", 17}};
            for (const auto& [name, value] : fields) dialog->findChild<QSpinBox*>(QString::fromLatin1(name))->setValue(value);
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            if (dialog->isVisible()) dialog->reject();
        });
    }

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

    // Every view of the table: it opens from its menu entry and from its shortcut, its page,
    // its picture and its printed page say whose chart it is and from which sky, and it is
    // filled again when the sky or the chart changes while it is on show.
    void everyViewOfTheTable_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("texts");  // more that its page and print must show
        const QString who = QStringLiteral("Asha Rao \u2014 Bangalore, Karnataka, India");
        const QString born = QStringLiteral("Born 2000-03-01 at 10:00, UTC+05:30");
        const std::map<QString, QStringList> more{
            {"mnuChart", {"City: Bangalore", "Date of Birth: March 1, 2000", "Rashi (D1), North Indian \u2014 Built-in"}},
            {"mnuSub_Navamsa", {"Navamsa (D9), North Indian \u2014 Built-in"}},
            {"mnuDasha", {"Vimshottari Dasha \u2014 Built-in", who, born}},
            {"mnuPanchanga", {"Panchanga \u2014 Built-in", who, born}},
            {"mnuMatching", {"Meera Iyer"}},
            {"mnuKP", {"Placidus", who, born}},
            {"mnuHorary", {"Horary 175", "Chennai", who}}};
        for (std::size_t row = 0; row < ViewTable().size(); ++row) {
            const QString name = QString::fromLatin1(ViewTable()[row].Name);
            const auto extra = more.find(name);
            QTest::newRow(ViewTable()[row].Name) << int(row) << (extra == more.end() ? QStringList() : extra->second);
        }
    }
    void everyViewOfTheTable() {
        QFETCH(int, row);
        QFETCH(QStringList, texts);
        const ViewRow& r = ViewTable()[std::size_t(row)];
        const QString name = QString::fromLatin1(r.Name);
        QTemporaryDir dir;
        FormValues partner = Form();
        partner.Name = "Meera Iyer";
        partner.Year = 1998;
        frame_->sources().setPartner(partner, false);

        if (r.Ask) AnswerHorary(QStringLiteral("175"));
        frame_->findChild<QAction*>(name)->trigger();
        QCOMPARE(frame_->viewName(), name);
        if (r.Shortcut.key() != Qt::Key_unknown) {
            frame_->ShowView(row == 0 ? 1 : 0);
            frame_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(frame_));
            QTest::keySequence(frame_, QKeySequence(r.Shortcut));
            QCOMPARE(frame_->viewName(), name);
        }
        QVERIFY(frame_->viewOnShow()->isVisible());
        const auto shown = [this] {
            QStringList lines;
            for (const QLabel* label : frame_->viewOnShow()->findChildren<QLabel*>())
                if (label->isVisibleTo(frame_->viewOnShow())) lines << label->text();
            return lines.join('\n');
        };
        texts << "Asha Rao";
        for (const QString& text : texts) QVERIFY2(shown().contains(text), qPrintable(text + " not shown:\n" + shown()));
        QVERIFY2(shown().contains("built-in formulas", Qt::CaseInsensitive), qPrintable(shown()));

        // The page: one, drawn with its text.
        answers_ << dir.filePath("chart.pdf");
        Action("mnuPrint")->trigger();
        const testing::PdfSummary pdf = testing::ReadPdf(dir.filePath("chart.pdf"));
        // One page, but for Saturn's century of rows at the screen's spacing.
        QCOMPARE(pdf.pages, frame_->currentView()->PrintedPages());
        QCOMPARE(pdf.pages > 1, name == QLatin1String("mnuSaturnPeriods"));
        QVERIFY(pdf.pageSize.width() > pdf.pageSize.height());
        for (const QString& text : texts)
            QVERIFY2(pdf.text.simplified().contains(text), qPrintable(text + " not on the page:\n" + pdf.text));
        QVERIFY2(pdf.text.simplified().contains("built-in formulas", Qt::CaseInsensitive), qPrintable(pdf.text));
        QVERIFY(messages_.isEmpty());

        // The picture: the view on show, not the natal display behind it.
        answers_ << dir.filePath("chart.jpg");
        Action("mnuSaveAsJpeg")->trigger();
        const QImage jpeg = QImage(dir.filePath("chart.jpg")).convertToFormat(QImage::Format_RGB32);
        auto distance = [&](QWidget* view) {
            const QImage page = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
            qint64 sum = 0;
            for (int y = 0; y < jpeg.height(); y += 3)
                for (int x = 0; x < jpeg.width(); x += 3) sum += qAbs(qGray(jpeg.pixel(x, y)) - qGray(page.pixel(x, y)));
            return sum;
        };
        QCOMPARE(jpeg.size(), frame_->viewOnShow()->size());
        if (frame_->viewOnShow() != frame_->display())
            QVERIFY(distance(frame_->viewOnShow()) * 4 < distance(frame_->display()));

        // Another sky, then another chart, while the view is on show: it is filled again.
        Action("mnuPreciseSky")->trigger();
        QCOMPARE(frame_->viewName(), name);
        QVERIFY2(shown().contains("Precise (JPL ephemeris)"), qPrintable(shown()));
        FormValues other = Form();
        other.Name = "Kavya Menon";
        RunCalculation(program_, other);
        frame_->WriteChart();
        QVERIFY2(shown().contains("Kavya Menon"), qPrintable(shown()));
        QVERIFY(!shown().contains("Asha Rao"));
    }

    // The horary question refuses what is no number from 1 to 249 and keeps the view on show;
    // 175 asked at Chennai rises at the start of its sub, on the page and on paper.
    void horaryQuestion_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("accepted");
        for (const char* bad : {"0", "250", "1.5", "x", "", "-3"}) QTest::newRow(bad) << QString::fromLatin1(bad) << false;
        QTest::newRow("175") << QStringLiteral("175") << true;
    }
    void horaryQuestion() {
        QFETCH(QString, number);
        QFETCH(bool, accepted);
        AnswerHorary(number);
        Action("mnuHorary")->trigger();
        QCOMPARE(frame_->viewName(), accepted ? QStringLiteral("mnuHorary") : QStringLiteral("mnuChart"));
        QCOMPARE(messages_, accepted ? QStringList()
                                     : QStringList{"The horary number must be a whole number from 1 to 249."});
        if (!accepted) return;
        const auto* cusps = frame_->viewOnShow()->findChild<QTableWidget*>(QStringLiteral("tblHoraryCusps"));
        QCOMPARE(cusps->item(0, 1)->text(), QStringLiteral("Sag 11\u00B026'40\""));
        QCOMPARE(cusps->item(6, 1)->text(), QStringLiteral("Gem 11\u00B026'40\""));
        QTemporaryDir dir;
        answers_ << dir.filePath("horary.pdf");
        Action("mnuPrint")->trigger();
        const QString printed = testing::ReadPdf(dir.filePath("horary.pdf")).text;
        QVERIFY2(printed.contains(QStringLiteral("Sag 11\u00B026'40\"")), qPrintable(printed));
    }

    void printCancelledPrintsNothing() {
        QTemporaryDir dir;
        frame_->TB_ButtonClick(QStringLiteral("Print"));
        QVERIFY(QDir(dir.path()).entryList({"*.pdf"}, QDir::Files).isEmpty());
        QVERIFY(initialFolders_.size() == 1);
    }

    // Every file dialog opens where a file of its kind was last chosen (the user's documents
    // folder the first time), and the folder of the file chosen is remembered for its kind
    // alone: a picture saved elsewhere never sends the next reading's dialog there.
    void everyDialogStartsInTheFolderOfItsKind_data() {
        QTest::addColumn<QString>("command");  // an action of the window, or "open"
        QTest::addColumn<int>("kind_");
        QTest::newRow("save reading") << "mnuSaveAs" << int(FileKind::Readings);
        QTest::newRow("open reading") << "open" << int(FileKind::Readings);
        QTest::newRow("match with a reading") << "mnuMatch" << int(FileKind::Readings);
        QTest::newRow("JPEG") << "mnuSaveAsJpeg" << int(FileKind::Pictures);
        QTest::newRow("text report") << "mnuExport" << int(FileKind::Reports);
        QTest::newRow("print") << "mnuPrint" << int(FileKind::Pdfs);
        QTest::newRow("print sheet") << "mnuPrintSheet" << int(FileKind::Pdfs);
        QTest::newRow("sheet as PDF") << "mnuExportSheet" << int(FileKind::Pdfs);
    }
    void everyDialogStartsInTheFolderOfItsKind() {
        QFETCH(QString, command);
        QFETCH(int, kind_);
        const auto kind = static_cast<FileKind>(kind_);
        const FileKind other = kind == FileKind::Pictures ? FileKind::Readings : FileKind::Pictures;
        // The remembered folders live in the settings, which only a named program keeps: kept
        // here in a folder of the test's own, for this test only.
        QTemporaryDir config, home, elsewhere, last, next;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        QDir(home.path()).mkdir(QStringLiteral("Documents"));
        QCoreApplication::setOrganizationName(QStringLiteral("velakor-tests"));
        const auto restore = qScopeGuard([&] {
            QCoreApplication::setOrganizationName(QString());
            qputenv("HOME", savedHome);
        });
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(documents, QDir(home.path()).filePath(QStringLiteral("Documents")));
        auto run = [&] {
            if (command == QLatin1String("open")) {
                OpenReading(frame_, FormValues{}, nullptr);
            } else {
                Action(qPrintable(command))->trigger();
            }
        };
        run();  // the first time: the documents folder; cancelled
        QCOMPARE(initialFolders_, QStringList{documents});
        ProgramSettings::SetLastFolder(other, elsewhere.path());
        run();
        QCOMPARE(initialFolders_.last(), documents);
        ProgramSettings::SetLastFolder(kind, last.path());
        // A reading saved elsewhere before proposes its name, in the kind's folder.
        program_.LastSaveFileName = QDir::temp().filePath("asha.vlj").toStdString();
        run();
        QCOMPARE(initialFolders_.last(), last.path());
        if (!initialNames_.last().isEmpty()) QCOMPARE(QFileInfo(initialNames_.last()).path(), last.path());

        answers_ << QDir(next.path()).filePath(QStringLiteral("chosen.pdf"));
        run();
        QCOMPARE(ProgramSettings::LastFolder(kind), next.path());
        QCOMPARE(ProgramSettings::LastFolder(other), elsewhere.path());
        run();
        QCOMPARE(initialFolders_.last(), next.path());
    }
};

QTEST_MAIN(ChartOutputTest)
#include "test_chart_output.moc"
