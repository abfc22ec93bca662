// The desktop program. It reads no command line, settings or environment of its own.
#include <QApplication>

#include "app/Program.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/StartUp.h"
#include "app/gui/TerminationSignals.h"
#include "app/gui/frmMain.h"
#include "ui/DesktopIcons.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velakor"));
    // The program ends when the main form is closed or the chart window's Exit is chosen,
    // not when no window is visible: the main form hides while a chart is shown.
    QApplication::setQuitOnLastWindowClosed(false);
    velakor::UseProgramIcon();
    velakor::EndOnTerminationSignals();

    velakor::SingleInstance instance;
    velakor::Program program;
    std::unique_ptr<velakor::frmMain> form = velakor::StartUp(program, instance);
    if (!form) return 0;
    QObject::connect(form.get(), &velakor::frmMain::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
