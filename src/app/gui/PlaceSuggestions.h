// Birth places on the main form: the City box's suggestions from the atlas, and what
// picking one fills in (city, state, country, latitude, longitude, time zone and daylight
// saving), with a note under the zone list that says what was found.
#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "vedic/Birth.h"
#include "place/Atlas.h"

class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStringListModel;
class QThread;

namespace velakor {

class PlaceSuggestions : public QObject {
    Q_OBJECT
public:
    // The main form's controls that a picked place reads and writes.
    struct Controls {
        QLineEdit *city, *state, *country;
        QLineEdit *latDeg, *latMin, *lonDeg, *lonMin;
        QRadioButton *north, *south, *east, *west;
        QComboBox *day, *month, *year, *hour, *minute;
        QComboBox* zone;
        QCheckBox* daylightSaving;
        QLabel* note;
    };

    PlaceSuggestions(const Controls& controls, QObject* parent);
    // Stops a load still running and waits for it (briefly: the load checks often).
    ~PlaceSuggestions() override;

    // Reads the system's atlas on a worker thread; suggestions start when it is in.
    void LoadAtlasInBackground();
    void setAtlas(std::shared_ptr<const Atlas> atlas);
    bool hasAtlas() const { return atlas_ != nullptr; }

    // The fields were written from elsewhere (a reading was opened): the place is no longer
    // the atlas's, and the note goes.
    void Forget();

    // The list of suggestions under the City box.
    QAbstractItemView* popup();

signals:
    void atlasReady();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CityEdited(const QString& text);
    void ShowSuggestions(const QString& text);
    void Pick(int row);
    void ChooseZoneForBirth();
    void ZoneSetByHand();
    void EndPlace();

    Controls c_;
    QCompleter* completer_ = nullptr;
    QStringListModel* model_ = nullptr;
    std::shared_ptr<const Atlas> atlas_;
    std::vector<const Place*> shown_;
    std::optional<Place> picked_;  // while the place's fields are the atlas's
    QString pickedCity_;
    bool following_ = false;  // the zone follows the birth date and time
    bool writing_ = false;    // our own changes to the fields are under way
    std::atomic<bool> cancelLoad_{false};
    QThread* loader_ = nullptr;
};

}  // namespace velakor
