#include "app/gui/StartUp.h"

#include "app/gui/PlaceSuggestions.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/frmMain.h"
#include "ui/Seams.h"

namespace velakor {

std::unique_ptr<frmMain> StartUp(Program& program, SingleInstance& instance) {
    if (!instance.TryAcquire()) {
        ShowMessage(nullptr, QStringLiteral("Application is already running"), BoxIcon::Information,
                    QStringLiteral("Velakor"));
        return nullptr;
    }
    auto form = std::make_unique<frmMain>(program);
    form->show();
    // The atlas of birth places is read behind the form, not before it.
    form->placeSuggestions()->LoadAtlasInBackground();
    return form;
}

}  // namespace velakor
