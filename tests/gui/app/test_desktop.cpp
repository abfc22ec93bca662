// The program as the desktop shows it: its own icon on both windows, and the toolbar's
// pictures from the desktop's icon theme with the program's own where the theme has none.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "app/gui/frmMain.h"
#include "ui/drawing/DesktopIcons.h"
#include "ui/window/MDI.h"

using namespace velakor;

class TestDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir themes_;
    const QColor kThemeColour{10, 200, 30};

private slots:
    void initTestCase() {
        // A theme of our own with three of the four pictures: "document-print" is missing.
        QVERIFY(themes_.isValid());
        QDir root(themes_.path());
        QVERIFY(root.mkpath(QStringLiteral("partial/24x24/actions")));
        QFile index(root.filePath(QStringLiteral("partial/index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Partial\nDirectories=24x24/actions\n\n"
                    "[24x24/actions]\nSize=24\nType=Fixed\n");
        index.close();
        QImage picture(24, 24, QImage::Format_ARGB32);
        picture.fill(kThemeColour);
        for (const char* name : {"document-new", "document-open", "document-save"})
            QVERIFY(picture.save(root.filePath(QStringLiteral("partial/24x24/actions/%1.png").arg(name))));
    }

    void toolbarTakesTheThemesPictures_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("themeName");
        QTest::addColumn<bool>("inTheme");
        QTest::newRow("New") << "New" << "document-new" << true;
        QTest::newRow("Open") << "Open" << "document-open" << true;
        QTest::newRow("Save") << "Save" << "document-save" << true;
        QTest::newRow("Print, missing from the theme") << "Print" << "document-print" << false;
    }
    void toolbarTakesTheThemesPictures() {
        QFETCH(QString, key);
        QFETCH(QString, themeName);
        QFETCH(bool, inTheme);
        QCOMPARE(ThemeIconName(key), themeName);
        QIcon::setThemeSearchPaths({themes_.path()});
        QIcon::setThemeName(QStringLiteral("partial"));
        Program program;
        MDI frame(program);
        QAction* button = frame.toolBar()->findChild<QAction*>(QStringLiteral("TB_") + key);
        QVERIFY(button);
        const QIcon icon = button->icon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.name(), inTheme ? themeName : QString());
        const QColor centre = icon.pixmap(24, 24).toImage().pixelColor(12, 12);
        QCOMPARE(centre == kThemeColour, inTheme);
        QIcon::setThemeName(QString());
    }

    void bothWindowsWearTheProgramsIcon() {
        UseProgramIcon();
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.velakor.Velakor"));
        Program program;
        frmMain form(program);
        MDI frame(program);
        const QImage expected = QImage(QStringLiteral(":/icons/256/org.velakor.Velakor.png"))
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(expected.size(), QSize(256, 256));
        QCOMPARE(QImage(QStringLiteral(":/icons/48/org.velakor.Velakor.png")).size(), QSize(48, 48));
        for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&frame)}) {
            const QIcon icon = window->windowIcon();
            QVERIFY2(icon.availableSizes().contains(QSize(48, 48)) && icon.availableSizes().contains(QSize(256, 256)),
                     qPrintable(window->objectName()));
            QCOMPARE(icon.pixmap(256, 256).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
        }
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
