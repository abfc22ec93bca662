// What a screen reader meets in each window: every control it can stop at has a name, and
// every table names its columns. The walk goes through Qt's accessibility interface, as the
// platform's bridge does, and names each unnamed control by its path of object names.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/gui/frmMain.h"
#include "support/MainFormDriver.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/library/LibraryWindow.h"
#include "ui/window/MDI.h"
#include "ui/window/ViewSources.h"
#include "ui/window/ViewTable.h"

using namespace velakor;
using namespace velakor::testing;

namespace {

// The roles a reader stops at and announces by name.
bool Interactive(QAccessible::Role role) {
    switch (role) {
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::List:
        case QAccessible::Table:
        case QAccessible::Tree:
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::PageTabList:
        case QAccessible::PageTab:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
        case QAccessible::MenuItem:
        case QAccessible::Window:
        case QAccessible::Dialog:
            return true;
        default:
            return false;
    }
}

// A node's step in a path: its object's name, else its class (or "item") and index.
QString Step(QAccessibleInterface* node, int index) {
    const QObject* object = node->object();
    if (object && !object->objectName().isEmpty()) return object->objectName();
    const QString kind = object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("item");
    return QStringLiteral("%1[%2]").arg(kind).arg(index);
}

// The shape of the program's names for its controls and forms ("frmDisplay", "txtName"),
// which mean nothing to a listener.
const QRegularExpression kInternalName(QStringLiteral("^(frm|txt|cbo|lbl|cmd|mnu|tbl|tre|opt|chk|dtp|pic)[A-Z]"));

// A list box's name is its value to the Linux bridge: what it is for is heard from the label
// tied to it, or else from its description.
bool Labelled(QAccessibleInterface* node) {
    return !node->relations(QAccessible::Label).isEmpty() || !node->text(QAccessible::Description).isEmpty();
}

// Every fault under node (shown parts only): "path: what is missing".
void Walk(QAccessibleInterface* node, const QString& path, QStringList& faults) {
    if (!node || node->state().invisible) return;
    const QAccessible::Role role = node->role();
    if (Interactive(role)) {
        const QString name = node->text(QAccessible::Name).trimmed();
        if (name.isEmpty() || (role == QAccessible::ComboBox && !Labelled(node)))
            faults << path + QStringLiteral(": no name");
        else if (kInternalName.match(name).hasMatch())
            faults << path + QStringLiteral(": named by the program's own name for it, ") + name;
        // A table's first children are its column headings (after a corner button where it
        // has row headings), as a reader announces them with each cell; a bare number is the
        // view's default, not a heading.
        QAccessibleTableInterface* table = node->tableInterface();
        if (table && role != QAccessible::List) {
            QStringList headings;
            for (int i = 0; i <= table->columnCount() && i < node->childCount(); ++i) {
                QAccessibleInterface* cell = node->child(i);
                if (cell && cell->role() == QAccessible::ColumnHeader) headings << cell->text(QAccessible::Name).trimmed();
            }
            for (int c = 0; c < table->columnCount(); ++c) {
                const QString heading = headings.value(c);
                if (heading.isEmpty() || heading == QString::number(c + 1))
                    faults << path + QStringLiteral(": column %1 has no heading").arg(c);
            }
        }
    }
    // Rows and cells are named by their tables' headings; a table's children are its cells.
    if (node->tableInterface()) return;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child) Walk(child, path + QLatin1Char('/') + Step(child, i), faults);
    }
}

QStringList Faults(QWidget* window) {
    QStringList faults;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    Walk(root, window->objectName(), faults);
    return faults;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("data")).toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("Velakor"));
        QCoreApplication::setApplicationName(QStringLiteral("Velakor"));
        QAccessible::setActive(true);
    }

    // Each window as a user opens it: the main form, the chart window with each of its views,
    // the library window (browsing, and asked for a partner), the About box.
    void everyControlHasAName_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("view");
        QTest::newRow("main form") << "form" << -1;
        for (std::size_t row = 0; row < ViewTable().size(); ++row)
            QTest::newRow(ViewTable()[row].Name) << "chart" << int(row);
        QTest::newRow("library") << "library" << -1;
        QTest::newRow("library, choosing a partner") << "partner" << -1;
        QTest::newRow("About box") << "about" << -1;
    }
    void everyControlHasAName() {
        QFETCH(QString, window);
        QFETCH(int, view);
        MessageLog log;
        Program program;
        frmMain form{program};
        form.show();
        QWidget* shown = &form;
        // An open list is a window of its own, and read as one.
        auto* zones = form.findChild<QComboBox*>(QStringLiteral("cboTimeZone"));
        if (window == "form") zones->showPopup();
        AboutBox about(&form);
        if (window != "form") {
            EnterBirthData(&form, DelhiEntry());
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
            MDI* chart = form.chartWindow();
            QVERIFY(chart);
            shown = chart;
            if (view >= 0) {
                FormValues partner = ToFormValues(LondonEntry());
                chart->sources().setPartner(partner, false);
                chart->ShowView(view);
                QCOMPARE(chart->viewRow(), view);
            }
        }
        if (window == "library" || window == "partner") {
            form.chartWindow()->findChild<QAction*>(QStringLiteral("mnuSaveToLibrary"))->trigger();
            form.chartWindow()->findChild<QAction*>(QStringLiteral("mnuLibrary"))->trigger();
            LibraryWindow* library = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* l = qobject_cast<LibraryWindow*>(w)) library = l;
            QVERIFY(library);
            if (window == "partner") library->PickChart(QStringLiteral("Choose as &Partner"));
            library->table()->selectRow(0);
            shown = library;
        }
        if (window == "about") {
            about.show();
            shown = &about;
        }
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const QStringList faults = Faults(shown);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
