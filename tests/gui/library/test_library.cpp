// The chart library's window as the user drives it: Save to Library from the chart window,
// the window from the File menu, a folder imported with its summary, the search typed, a
// chart opened, exported and deleted.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

#include "ReadingFiles.h"
#include "app/gui/frmMain.h"
#include "support/MainFormDriver.h"
#include "ui/library/LibraryWindow.h"
#include "ui/window/MDI.h"

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
        folderAnswer = QString::fromStdString(in.string());
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdImportFolder")), Qt::LeftButton);
        QCOMPARE(log.texts(), QStringList{QStringLiteral("Added to the library: 1\nAlready in the library: 1\nRefused: 1\n\n") +
                                          QString::fromStdString((in / "broken.vlj").string()) +
                                          QStringLiteral(": Please Check The File.")});
        log.clear();
        QCOMPARE(table->model()->rowCount(), 2);

        // Typed, the table follows each key; capitals and accents aside.
        auto* search = window->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
        TypeKeys(search, QStringLiteral("SEAN o'"));
        QCOMPARE(table->model()->rowCount(), 1);
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

        // Opened: the chart window shows that person, computed afresh.
        table->setCurrentIndex(table->model()->index(0, 0));
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdOpenChart")), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(program.Birth.BirthName), QStringLiteral("Seán O'Brien"));
        QCOMPARE(QString::fromStdString(program.Birth.BirthCity), QStringLiteral("Cork"));
        QVERIFY(form.chartWindow() && form.chartWindow()->isVisible());

        // Deleted only when the question is answered Yes.
        search->clear();
        table->selectRow(0);
        log.answer = false;
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdDelete")), Qt::LeftButton);
        QCOMPARE(table->model()->rowCount(), 2);
        log.answer = true;
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdDelete")), Qt::LeftButton);
        QCOMPARE(table->model()->rowCount(), 1);
        QCOMPARE(log.texts(), (QStringList{QStringLiteral("Delete the chart of Ravi Kumar from the library?"),
                                           QStringLiteral("Delete the chart of Ravi Kumar from the library?")}));
        SetDialogHandler(nullptr);
    }
};

QTEST_MAIN(TestLibrary)
#include "test_library.moc"
