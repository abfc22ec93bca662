#include "app/gui/StartUp.h"

#include <QApplication>
#include <QTimer>

#include "app/gui/PlaceSuggestions.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/TerminationSignals.h"
#include "app/gui/frmMain.h"
#include "ui/drawing/DesktopIcons.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/settings/ProgramSettings.h"
#include "app/gui/ProgramStyle.h"
#include "ui/dialogs/Seams.h"

namespace velakor {
namespace {

constexpr int kAtlasLoadDelayMs = 250;

}  // namespace

void PrepareApplication() {
    QApplication::setApplicationName(QStringLiteral("Velakor"));
    // The settings' place: ~/.config/Velakor/Velakor.conf on Linux.
    QApplication::setOrganizationName(QStringLiteral("Velakor"));
    QApplication::setStyle(new ProgramStyle);
    QApplication::setQuitOnLastWindowClosed(false);
    UseProgramIcon();
    EndOnTerminationSignals();
}

std::unique_ptr<frmMain> StartUp(Program& program, SingleInstance& instance, const QString& fileToOpen) {
    if (!instance.TryAcquire()) {
        // A reading opened from the file manager goes to the copy that runs; it is only an
        // older copy, which cannot take it, that the user is told about.
        if (!fileToOpen.isEmpty() && instance.HandFileToRunningCopy(fileToOpen)) return nullptr;
        ShowMessage(nullptr, QStringLiteral("Application is already running"), BoxIcon::Information,
                    QStringLiteral("Velakor"));
        return nullptr;
    }
    // The sky chosen last time; the precise one only while its tables can be read.
    program.SkyInUse = ProgramSettings::LoadView().Sky;
    if (!SkyAvailable(program.SkyInUse)) program.SkyInUse = SkyChoice{};
    // The interface's language before the first window, so that nothing shows in English first.
    UseInterfaceLanguage(StartingLanguage(nullptr));
    auto form = std::make_unique<frmMain>(program);
    form->show();
    instance.ListenForFiles();
    QObject::connect(&instance, &SingleInstance::fileHanded, form.get(), &frmMain::OpenFile);
    // Opened once the form is on the screen, so that a message about the file has a window.
    if (!fileToOpen.isEmpty()) {
        QTimer::singleShot(0, form.get(), [form = form.get(), fileToOpen] { form->OpenFile(fileToOpen); });
    }
    // The atlas of birth places is read behind the form once it has settled on the screen,
    // so that reading it takes nothing from the first paint. Nobody reaches the City box
    // that fast; letters typed before it is in get their suggestions when it comes.
    QTimer::singleShot(kAtlasLoadDelayMs, form->placeSuggestions(), &PlaceSuggestions::LoadAtlasInBackground);
    return form;
}

}  // namespace velakor
