// The chart window's matching: a second person's saved reading, opened and checked as every
// reading is, matched with the chart on show in the Matching view.
#include <QAction>
#include <QFileInfo>
#include <QMdiSubWindow>

#include "io/gui/OutputCommands.h"
#include "ui/window/MDI.h"
#include "ui/views/MatchingView.h"
#include "ui/dialogs/Seams.h"

namespace velakor {
namespace {

QString NameOf(const std::string& name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).trimmed();
}

}  // namespace

void MDI::MatchWithSavedReading() {
    const std::optional<FormValues> values = OpenReading(this, FormValues{});
    if (!values) return;
    // A reading the main form would refuse cannot be charted: say why, as the form does.
    if (const auto failure = ValidateInput(*values)) {
        ShowMessage(this, QString::fromStdString(failure->Message),
                    failure->Icon == MessageIcon::Information ? BoxIcon::Information : BoxIcon::Critical);
        return;
    }
    const QString other = NameOf(values->Name);
    const QString self = NameOf(program_.Birth.BirthName);
    partnerIsBride_ = AskQuestion(this, QStringLiteral("Is %1 the bride?\n\nYes: %1 is the bride and %2 the groom.\n"
                                                       "No: %2 is the bride and %1 the groom.")
                                            .arg(other, self));
    partner_ = *values;
    mnuMatching_->setEnabled(true);
    // Through the entry, so that its check mark and the others' follow.
    mnuMatching_->trigger();
}

void MDI::RefreshMatching() {
    const bool show = view_ == kMatchingView && partner_.has_value();
    if (show) {
        // Computed each time it is shown: the chart or the sky may have changed, and two
        // charts and a match take microseconds.
        Program other;
        other.SkyInUse = program_.SkyInUse;
        RunCalculation(other, *partner_);
        const Partner self{program_.Birth, program_.Chart};
        const Partner them{other.Birth, other.Chart};
        matching_->Show(partnerIsBride_ ? them : self, partnerIsBride_ ? self : them, program_.SkyInUse);
    }
    matchingWindow_->setVisible(show);
}

}  // namespace velakor
