// The desktop program. It reads no command line or environment of its own; its settings
// are read at start-up.
#include <QApplication>

#include "app/Program.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/StartUp.h"
#include "app/gui/frmMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velakor::PrepareApplication();

    velakor::SingleInstance instance;
    velakor::Program program;
    std::unique_ptr<velakor::frmMain> form = velakor::StartUp(program, instance);
    if (!form) return 0;
    QObject::connect(form.get(), &velakor::frmMain::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
