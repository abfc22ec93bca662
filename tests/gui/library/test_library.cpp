// The chart library's window as the user drives it: Save to Library from the chart window,
// the window from the File menu, a folder imported with its summary, the search typed, a
// chart opened from the keyboard, exported, edited, asked for by another window and deleted.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <sys/mount.h>

#include "ReadingFiles.h"
#include "SmallDisk.h"
#include "library/ChartLibrary.h"
#include "library/ReadingCheck.h"
#include "app/gui/frmMain.h"
#include "support/MainFormDriver.h"
#include "ui/library/LibraryWindow.h"
#include "ui/window/MDI.h"
#include "ui/window/ViewSources.h"

using namespace velakor;
using namespace velakor::testing;

class TestLibrary : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        // The program's own library, in a folder of this test.
        qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("data")).toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("Velakor"));
        QCoreApplication::setApplicationName(QStringLiteral("Velakor"));
    }

    void savesImportsSearchesOpensExportsAndDeletes() {
        MessageLog log;
        QString folderAnswer;
        SetDialogHandler([&](CommonDialog& d, DialogKind kind, QPrinter*) {
            d.FileName = kind == DialogKind::Folder ? folderAnswer : QString();
            return !d.FileName.isEmpty();
        });
        Program program;
        frmMain form{program};
        form.show();

        // Save to Library from the chart window: once saved, then found there.
        EnterBirthData(&form, DelhiEntry());
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
        MDI* chart = form.chartWindow();
        QVERIFY(chart);
        QAction* save = chart->findChild<QAction*>(QStringLiteral("mnuSaveToLibrary"));
        QVERIFY(save);
        save->trigger();
        save->trigger();
        QCOMPARE(log.texts(), (QStringList{QStringLiteral("The chart of Ravi Kumar has been saved to the library."),
                                           QStringLiteral("The chart of Ravi Kumar is in the library already.")}));
        log.clear();

        // The window from the chart window's File menu.
        chart->findChild<QAction*>(QStringLiteral("mnuLibrary"))->trigger();
        LibraryWindow* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* l = qobject_cast<LibraryWindow*>(w)) window = l;
        }
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QTableView* table = window->table();
        QCOMPARE(table->model()->rowCount(), 1);

        // A folder: two readings, one of them twice, and one file that is none.
        const std::filesystem::path in = dir_.filePath(QStringLiteral("in")).toStdString();
        FormValues obrien = test::DelhiForm("Seán O'Brien");
        obrien.City = "Cork";
        const std::string obrienBytes = test::ReadingBytes(obrien);
        test::WriteBytes(in / "obrien.vlj", obrienBytes);
        test::WriteBytes(in / "again/ravi.vlj", test::ReadingBytes(test::DelhiForm()));
        test::WriteBytes(in / "broken.vlj", "\x01\x02");
        // Imported on a thread of its own, the window in use meanwhile, with its progress.
        folderAnswer = QString::fromStdString(in.string());
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdImportFolder")), Qt::LeftButton);
        QVERIFY(window->findChild<QProgressBar*>(QStringLiteral("barImport"))->isVisible());
        QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("cmdImportFolder"))->isEnabled());
        QTRY_COMPARE(log.texts(), QStringList{QStringLiteral("Added to the library: 1\nAlready in the library: 1\nRefused: 1\n\n") +
                                              QString::fromStdString((in / "broken.vlj").string()) +
                                              QStringLiteral(": Please Check The File.")});
        log.clear();
        QVERIFY(!window->importing());
        QVERIFY(!window->findChild<QProgressBar*>(QStringLiteral("barImport"))->isVisible());
        QCOMPARE(table->model()->rowCount(), 2);
        auto* count = window->findChild<QLabel*>(QStringLiteral("lblCount"));
        QCOMPARE(count->text(), QStringLiteral("2 charts"));

        // Typed, the table follows each key; capitals and accents aside.
        auto* search = window->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
        TypeKeys(search, QStringLiteral("SEAN o'"));
        QCOMPARE(table->model()->rowCount(), 1);
        QCOMPARE(count->text(), QStringLiteral("1 of 2 charts found"));
        QCOMPARE(table->model()->index(0, 0).data().toString(), QStringLiteral("Seán O'Brien"));
        QCOMPARE(table->model()->index(0, 2).data().toString(), QStringLiteral("Cork, Delhi, India"));

        // Exported into a folder: the file it came from, byte for byte.
        table->selectRow(0);
        folderAnswer = dir_.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(folderAnswer));
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdExport")), Qt::LeftButton);
        QFile exported(folderAnswer + QStringLiteral("/Seán O'Brien.vlj"));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll().toStdString(), obrienBytes);
        log.clear();

        // Opened from the keyboard: Down from the search box into the results, then Enter.
        table->clearSelection();
        table->setCurrentIndex(QModelIndex());
        window->activateWindow();
        search->setFocus();
        QTest::keyClick(search, Qt::Key_Down);
        QVERIFY(table->hasFocus());
        QCOMPARE(table->currentIndex().row(), 0);
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(program.Birth.BirthName), QStringLiteral("Seán O'Brien"));
        QCOMPARE(QString::fromStdString(program.Birth.BirthCity), QStringLiteral("Cork"));
        QVERIFY(form.chartWindow() && form.chartWindow()->isVisible());

        // Chosen as the partner of a match from the chart window: checked as a reading is, the
        // bride asked for, the match shown.
        search->clear();
        log.clear();
        MDI* shown = form.chartWindow();
        shown->findChild<QAction*>(QStringLiteral("mnuMatchLibrary"))->trigger();
        auto* pick = window->findChild<QPushButton*>(QStringLiteral("cmdPickChart"));
        QVERIFY(pick->isVisible());
        table->selectRow(table->model()->index(0, 0).data().toString() == QStringLiteral("Ravi Kumar") ? 0 : 1);
        QTest::mouseClick(pick, Qt::LeftButton);
        QCOMPARE(log.texts().size(), 1);
        QVERIFY2(log.texts().front().startsWith(QStringLiteral("Is Ravi Kumar the bride?")), qPrintable(log.texts().front()));
        QCOMPARE(shown->viewName(), QStringLiteral("mnuMatching"));
        QCOMPARE(QString::fromStdString(shown->sources().partner()->Name), QStringLiteral("Ravi Kumar"));
        log.clear();

        // Deleted only when the question is answered Yes.
        table->selectRow(0);
        log.answer = false;
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdDelete")), Qt::LeftButton);
        QCOMPARE(table->model()->rowCount(), 2);
        log.answer = true;
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdDelete")), Qt::LeftButton);
        QCOMPARE(table->model()->rowCount(), 1);
        // Three people may share a name: the question names the birth and the place too.
        const QString question = QStringLiteral(
            "Delete the chart of Ravi Kumar, born 15 August 1947 at 0:00 in New Delhi, Delhi, India (28°38' N, 77°12' E)"
            " from the library?");
        QCOMPARE(log.texts(), (QStringList{question, question}));
        SetDialogHandler(nullptr);
    }

    // A chart's name, place and note are changed where they are shown; what the library
    // cannot take is said, and the boxes show again what it holds.
    void editsTheSelectedChart() {
        MessageLog log;
        const QString path = dir_.filePath(QStringLiteral("edits.sqlite"));
        LibraryOpening opened = ChartLibrary::Open(path, LibraryFile::Given);
        QVERIFY(opened.Library);
        ChartLibrary& library = *opened.Library;
        for (const char* name : {"Asha Rao", "Meera Nair"}) {
            QVERIFY(library.Add(CheckReadingBytes(test::ReadingBytes(test::DelhiForm(name))).Values, nullptr));
        }
        LibraryWindow window(library);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        QTableView* table = window.table();
        auto box = [&](const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); };
        auto retype = [&](const char* name, const QString& text) {
            box(name)->selectAll();
            TypeKeys(box(name), text);
            QTest::keyClick(box(name), Qt::Key_Return);
        };
        table->selectRow(0);
        QCOMPARE(box("txtName")->text(), QStringLiteral("Asha Rao"));

        struct Row {
            const char* box;
            QString typed;
            bool locked;   // another program writing holds the library meanwhile
            QString said;  // the message's beginning; empty: kept without a word
        };
        const Row rows[] = {
            {"txtName", QStringLiteral("Priya Rao"), false, {}},
            {"txtName", QStringLiteral("Meera Nair"), false,
             QStringLiteral("Another chart in the library has this name, birth and place:")},
            {"txtName", QStringLiteral("   "), false, QStringLiteral("Please Enter Your Name")},
            {"txtCity", QStringLiteral("Pune"), false, {}},
            {"txtNote", QStringLiteral("call in May"), true, QStringLiteral("The note could not be kept: database is locked")},
            {"txtNote", QStringLiteral("call in May"), false, {}},
        };
        for (const Row& row : rows) {
            log.clear();
            const QString before = box(row.box)->text();
            {
                QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
                other.setDatabaseName(path);
                QVERIFY(other.open());
                if (row.locked) QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE")));
                retype(row.box, row.typed);
                if (row.locked) QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
            if (row.said.isEmpty()) {
                QCOMPARE(log.texts(), QStringList());
                QCOMPARE(box(row.box)->text(), row.typed);
            } else {
                QCOMPARE(log.texts().size(), 1);
                QVERIFY2(log.texts().front().startsWith(row.said), qPrintable(log.texts().front()));
                QCOMPARE(box(row.box)->text(), before);
            }
        }
        // The new name sorted into its place, still the chart chosen.
        QCOMPARE(table->currentIndex().row(), 1);
        QCOMPARE(table->model()->index(1, 0).data().toString(), QStringLiteral("Priya Rao"));
        QCOMPARE(table->model()->index(1, 2).data().toString(), QStringLiteral("Pune, Delhi, India"));
        QCOMPARE(library.Chart(window.model()->IdAt(1))->Note, QStringLiteral("call in May"));

        // Asked for by another window (a partner to match): Enter gives the chart to it.
        QSignalSpy picked(&window, &LibraryWindow::chartPicked);
        QSignalSpy opened2(&window, &LibraryWindow::chartChosen);
        window.PickChart(QStringLiteral("Choose as &Partner"));
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("cmdPickChart"))->isVisible());
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(picked.size(), 1);
        QCOMPARE(QString::fromStdString(picked.front().front().value<FormValues>().Name), QStringLiteral("Priya Rao"));
        QCOMPARE(opened2.size(), 0);
        QVERIFY(!window.findChild<QPushButton*>(QStringLiteral("cmdPickChart"))->isVisible());

        // Cancelled at once, an import keeps nothing of its unfinished batch.
        test::WriteManyReadings(dir_.filePath(QStringLiteral("many")).toStdString(), 600);
        log.clear();
        window.Import({dir_.filePath(QStringLiteral("many")).toStdString()});
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdCancelImport")), Qt::LeftButton);
        QTRY_VERIFY(!window.importing());
        QCOMPARE(log.texts().size(), 1);
        QVERIFY2(log.texts().front().endsWith(QStringLiteral("The import was cancelled: the files not counted here were not imported.")),
                 qPrintable(log.texts().front()));
        QCOMPARE(library.Count(), 2);

        // Closed during an import (as a signal to end closes every window), the window ends
        // it at once, keeps whole batches and says nothing more of it.
        window.Import({dir_.filePath(QStringLiteral("many")).toStdString()});
        window.close();
        QVERIFY(!window.importing());
        QTest::qWait(200);
        QCOMPARE(log.texts().size(), 1);
        QCOMPARE((library.Count() - 2) % ChartLibrary::kImportBatch, 0);
    }

    // The program's own library on a read-only disk is still shown, with a word that
    // nothing can be changed in it.
    void readOnlyDiskLibraryIsShown() {
        const test::SmallDisk disk(dir_.filePath(QStringLiteral("disk")).toStdString(), "size=1m");
        if (!disk.mounted()) QSKIP("no file system of the test's own can be mounted here");
        const QByteArray home = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("disk")).toLocal8Bit());
        {
            LibraryOpening own = ChartLibrary::Open(ChartLibrary::DefaultPath(), LibraryFile::Own);
            QVERIFY(own.Library);
            QVERIFY(own.Library->Add(CheckReadingBytes(test::ReadingBytes(test::DelhiForm())).Values, nullptr));
        }
        QCOMPARE(::mount(nullptr, dir_.filePath(QStringLiteral("disk")).toLocal8Bit().constData(), nullptr,
                         MS_REMOUNT | MS_RDONLY, nullptr),
                 0);
        MessageLog log;
        Program program;
        frmMain form{program};
        LibraryWindow* window = form.ShowLibrary();
        qputenv("XDG_DATA_HOME", home);
        QVERIFY(window);
        QCOMPARE(window->table()->model()->rowCount(), 1);
        QCOMPARE(log.texts().size(), 1);
        QVERIFY2(log.texts().front().startsWith(QStringLiteral("The chart library can only be read.")),
                 qPrintable(log.texts().front()));
    }
};

QTEST_MAIN(TestLibrary)
#include "test_library.moc"
