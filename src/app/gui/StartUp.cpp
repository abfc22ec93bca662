#include "app/gui/StartUp.h"

#include <QTimer>

#include "app/gui/PlaceSuggestions.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/frmMain.h"
#include "ui/Seams.h"

namespace velakor {
namespace {

constexpr int kAtlasLoadDelayMs = 250;

}  // namespace

std::unique_ptr<frmMain> StartUp(Program& program, SingleInstance& instance) {
    if (!instance.TryAcquire()) {
        ShowMessage(nullptr, QStringLiteral("Application is already running"), BoxIcon::Information,
                    QStringLiteral("Velakor"));
        return nullptr;
    }
    auto form = std::make_unique<frmMain>(program);
    form->show();
    // The atlas of birth places is read behind the form once it has settled on the screen,
    // so that reading it takes nothing from the first paint. Nobody reaches the City box
    // that fast; letters typed before it is in get their suggestions when it comes.
    QTimer::singleShot(kAtlasLoadDelayMs, form->placeSuggestions(), &PlaceSuggestions::LoadAtlasInBackground);
    return form;
}

}  // namespace velakor
