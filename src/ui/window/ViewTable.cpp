#include "ui/window/ViewTable.h"

#include <QtGlobal>
#include <cstring>

#include "chart/DivisionalCharts.h"
#include "ui/views/AshtakavargaView.h"
#include "ui/views/DashaView.h"
#include "ui/dialogs/HoraryDialog.h"
#include "ui/views/DivisionalView.h"
#include "ui/views/KpView.h"
#include "ui/views/MatchingView.h"
#include "ui/views/PanchangaView.h"
#include "ui/views/SaturnView.h"
#include "ui/views/TransitView.h"
#include "ui/views/VargasView.h"
#include "ui/views/frmDisplay.h"
#include "ui/window/ViewSources.h"

namespace velakor {
namespace {

template <class View>
std::unique_ptr<ChartView> Make(ViewSources&) {
    return std::make_unique<View>();
}

std::unique_ptr<ChartView> MakeNatal(ViewSources& sources) { return std::make_unique<frmDisplay>(sources.program()); }

template <KpView::Kind kind>
std::unique_ptr<ChartView> MakeKp(ViewSources&) {
    return std::make_unique<KpView>(kind);
}

std::unique_ptr<ChartView> MakeTransits(ViewSources& sources) { return std::make_unique<TransitView>(sources); }

// Varga d of kVargas (0 is D1).
template <int d>
std::unique_ptr<ChartView> MakeDivisional(ViewSources&) {
    return std::make_unique<DivisionalView>(d);
}

constexpr QKeyCombination kNone{};
constexpr QKeyCombination Ctrl(Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); }
constexpr QKeyCombination CtrlShift(Qt::Key key) {
    return QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, key);
}

// The views' own captions are translated; the divisional charts are called by their vargas'
// names in every language. The divisional charts take Ctrl and their number where it is one
// key: D1 .. D4, D7, D9, D10 (Ctrl+0).
const ViewRow kRows[] = {
    {"mnuChart", QT_TRANSLATE_NOOP("velakor::ViewTable", "&Chart"), Ctrl(Qt::Key_R), ViewMenu::View, MakeNatal},
    {"mnuSub_Rashi", "&Rashi", Ctrl(Qt::Key_1), ViewMenu::Divisional, MakeDivisional<0>},
    {"mnuSub_Hora", "&Hora", Ctrl(Qt::Key_2), ViewMenu::Divisional, MakeDivisional<1>},
    {"mnuSub_Drekkana", "&Drekkana", Ctrl(Qt::Key_3), ViewMenu::Divisional, MakeDivisional<2>},
    {"mnuSub_Chaturthamsa", "&Chaturthamsa", Ctrl(Qt::Key_4), ViewMenu::Divisional, MakeDivisional<3>},
    {"mnuSub_Sapthamsa", "&Sapthamsa", Ctrl(Qt::Key_7), ViewMenu::Divisional, MakeDivisional<4>},
    {"mnuSub_Navamsa", "&Navamsa", Ctrl(Qt::Key_9), ViewMenu::Divisional, MakeDivisional<5>},
    {"mnuSub_Dasamsa", "&D&asamsa", Ctrl(Qt::Key_0), ViewMenu::Divisional, MakeDivisional<6>},
    {"mnuSub_Dwadasamsa", "D&wadasamsa", kNone, ViewMenu::Divisional, MakeDivisional<7>},
    {"mnuSub_Shodasamsa", "Sh&odasamsa", kNone, ViewMenu::Divisional, MakeDivisional<8>},
    {"mnuSub_Vimsamsa", "&Vimsamsa", kNone, ViewMenu::Divisional, MakeDivisional<9>},
    {"mnuSub_Chaturvimsamsa", "Chaturv&imsamsa", kNone, ViewMenu::Divisional, MakeDivisional<10>},
    {"mnuSub_Bhamsa", "&Bhamsa", kNone, ViewMenu::Divisional, MakeDivisional<11>},
    {"mnuSub_Trimsamsa", "&Trimsamsa", kNone, ViewMenu::Divisional, MakeDivisional<12>},
    {"mnuSub_Khavedamsa", "&Khavedamsa", kNone, ViewMenu::Divisional, MakeDivisional<13>},
    {"mnuSub_Akshavedamsa", "&Akshavedamsa", kNone, ViewMenu::Divisional, MakeDivisional<14>},
    {"mnuSub_Shashtyamsa", "Shasht&yamsa", kNone, ViewMenu::Divisional, MakeDivisional<15>},
    {"mnuVargas", QT_TRANSLATE_NOOP("velakor::ViewTable", "&Vargas"), Ctrl(Qt::Key_G), ViewMenu::View, Make<VargasView>},
    {"mnuAshtakavarga", QT_TRANSLATE_NOOP("velakor::ViewTable", "&Ashtakavarga"), Ctrl(Qt::Key_K), ViewMenu::View, Make<AshtakavargaView>},
    {"mnuDasha", QT_TRANSLATE_NOOP("velakor::ViewTable", "Das&ha"), Ctrl(Qt::Key_D), ViewMenu::View, Make<DashaView>},
    {"mnuPanchanga", QT_TRANSLATE_NOOP("velakor::ViewTable", "Panchan&ga"), CtrlShift(Qt::Key_P), ViewMenu::View, Make<PanchangaView>},
    {"mnuTransits", QT_TRANSLATE_NOOP("velakor::ViewTable", "Trans&its"), Ctrl(Qt::Key_T), ViewMenu::View, MakeTransits},
    {"mnuSaturnPeriods", QT_TRANSLATE_NOOP("velakor::ViewTable", "Sat&urn's Periods"), CtrlShift(Qt::Key_T), ViewMenu::View, Make<SaturnView>},
    {"mnuMatching", QT_TRANSLATE_NOOP("velakor::ViewTable", "&Matching"), Ctrl(Qt::Key_M), ViewMenu::View, Make<MatchingView>, &MatchingView::Ready},
    {"mnuKP", QT_TRANSLATE_NOOP("velakor::ViewTable", "&KP"), CtrlShift(Qt::Key_K), ViewMenu::View, MakeKp<KpView::Kind::Birth>},
    {"mnuHorary", QT_TRANSLATE_NOOP("velakor::ViewTable", "Horary &Question..."), kNone, ViewMenu::View, MakeKp<KpView::Kind::Horary>, nullptr,
     &HoraryDialog::Ask},
};
static_assert(std::size(kRows) == 1 + kVargaCount + 9, "every varga has its row");

}  // namespace

std::span<const ViewRow> ViewTable() { return kRows; }

int ViewRowOf(const char* name) {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (std::strcmp(kRows[i].Name, name) == 0) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace velakor
