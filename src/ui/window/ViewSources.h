// What the chart window's views are made from: the program's chart and choices, and the
// window's own (chart style and colour, the transit moment, the partner of a match). Views
// read it; the window's commands and menus change it, and every change says which inputs it
// touched, so that the window marks the views that read them stale.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

#include "app/Calculation.h"
#include "app/Program.h"
#include "app/Readings.h"
#include "chart/ChartLayout.h"
#include "kp/RulingPlanets.h"

class QAction;

namespace velakor {

// A horary question: its number 1..249, when (universal time) and where it was asked, and the
// clock (minutes ahead of universal time) its moment is written in.
struct HoraryQuestion {
    int Number = 0;
    double JdUt = 0.0;
    KpPlace Place;
    QString PlaceName;
    int Offset = 0;
};

class ViewSources : public QObject {
    Q_OBJECT
public:
    ViewSources(Program& program, QObject* parent = nullptr);

    const Program& program() const { return program_; }

    ChartStyle style() const { return style_; }
    bool colour() const { return colour_; }
    void setStyle(ChartStyle style);
    void setColour(bool colour);

    // The dasha and the panchanga of the chart, once per chart and choice: the views, their
    // pictures and printouts and the chart sheet all read these.
    const Readings& readings();

    // The moment of the views of the sky at a moment (universal time): today at this clock's
    // time until the user moves it, kept while the window lives.
    double moment();
    void setMoment(double jdUt);
    // The steps of the moment (the window's menu entries, which views may offer as buttons).
    const QList<QAction*>& momentSteps() const { return momentSteps_; }
    void setMomentSteps(const QList<QAction*>& steps) { momentSteps_ = steps; }

    // The reading matched with this chart, and whether its person is the bride.
    const std::optional<FormValues>& partner() const { return partner_; }
    bool partnerIsBride() const { return partnerIsBride_; }
    void setPartner(const FormValues& values, bool bride);

    // The last horary question asked in this window.
    const std::optional<HoraryQuestion>& horary() const { return horary_; }
    void setHorary(const HoraryQuestion& question);

    // The chart was computed again (another reading, another sky), or the reading options
    // changed: what was made from them is dropped.
    void chartChanged();
    void readingChanged();

    // A view's title with the sky it comes from, as the band, the status bar, the picture
    // and the printout name it: two printouts of one birth in two skies say why they differ.
    QString WithSky(const QString& title) const;

    // "North Indian", "South Indian", "East Indian".
    static QString StyleName(ChartStyle style);

signals:
    // Some inputs (ViewInput) changed.
    void changed(unsigned inputs);

private:
    Program& program_;
    ChartStyle style_ = ChartStyle::North;
    bool colour_ = false;
    std::optional<Readings> readings_;
    double moment_ = 0.0;
    QList<QAction*> momentSteps_;
    std::optional<FormValues> partner_;
    bool partnerIsBride_ = true;
    std::optional<HoraryQuestion> horary_;
};

}  // namespace velakor
