// The desktop program: velakor [FILE], where FILE is a reading (.vlj) to open, as the file
// manager starts it. It reads no environment of its own; its settings are read at start-up.
#include <QApplication>
#include <QCommandLineParser>

#include "app/Program.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/StartUp.h"
#include "app/gui/frmMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velakor::PrepareApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Casts Vedic birth charts."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A reading (.vlj) to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        qWarning("velakor: one reading at a time can be opened");
        return 1;
    }

    velakor::SingleInstance instance;
    velakor::Program program;
    std::unique_ptr<velakor::frmMain> form = velakor::StartUp(program, instance, files.value(0));
    if (!form) return 0;
    QObject::connect(form.get(), &velakor::frmMain::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
