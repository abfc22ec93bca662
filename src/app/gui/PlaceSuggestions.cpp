#include "app/gui/PlaceSuggestions.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QThread>

#include "chart/NameTables.h"
#include "place/ZoneChoice.h"

namespace velakor {
namespace {

QString FromStd(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

int LetterCount(const QString& text) {
    int n = 0;
    for (const QChar c : text) n += c.isLetter() ? 1 : 0;
    return n;
}

// Keys that edit a name the way the letter filter allows; the list stays open for them.
bool EditsName(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) return true;
    const QString text = key.text();
    if (text.size() != 1) return false;
    const char16_t c = text.at(0).unicode();
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u' ' || c == u'\'' || c == u'-' ||
           c == u'.';
}

const QString kSetByHand =
    QStringLiteral("Time zone or daylight saving set by hand: the date and time no longer change them");

}  // namespace

PlaceSuggestions::PlaceSuggestions(const Controls& controls, QObject* parent)
    : QObject(parent), c_(controls) {
    connect(c_.city, &QLineEdit::textEdited, this, &PlaceSuggestions::CityEdited);
    for (QComboBox* list : {c_.day, c_.month, c_.year, c_.hour, c_.minute}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!writing_) ChooseZoneForBirth();
        });
    }
    connect(c_.zone, &QComboBox::activated, this, &PlaceSuggestions::ZoneSetByHand);
    connect(c_.daylightSaving, &QCheckBox::clicked, this, &PlaceSuggestions::ZoneSetByHand);
}

PlaceSuggestions::~PlaceSuggestions() {
    if (loader_) {
        cancelLoad_ = true;
        loader_->wait();
        delete loader_;
    }
}

QAbstractItemView* PlaceSuggestions::popup() {
    // Made when first wanted: the list and its model cost the form's start something.
    if (!completer_) {
        completer_ = new QCompleter(this);
        model_ = new QStringListModel(completer_);
        completer_->setModel(model_);
        completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        completer_->setMaxVisibleItems(static_cast<int>(Atlas::kSuggestionLimit));
        completer_->setWidget(c_.city);
        // After the completer's own filter, so this one sees the list's keys first.
        completer_->popup()->installEventFilter(this);
        connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
                [this](const QModelIndex& index) { Pick(index.row()); });
    }
    return completer_->popup();
}

void PlaceSuggestions::LoadAtlasInBackground() {
    if (atlas_ || loader_) return;
    loader_ = QThread::create([this] {
        std::unique_ptr<Atlas> loaded = LoadSystemAtlas(&cancelLoad_);
        if (!loaded) return;
        std::shared_ptr<const Atlas> atlas(std::move(loaded));
        QMetaObject::invokeMethod(this, [this, atlas] { setAtlas(atlas); }, Qt::QueuedConnection);
    });
    // Behind whatever the user is doing: the form is already on the screen.
    loader_->start(QThread::LowPriority);
}

void PlaceSuggestions::setAtlas(std::shared_ptr<const Atlas> atlas) {
    atlas_ = std::move(atlas);
    emit atlasReady();
    // Letters typed while the atlas was loading get their suggestions now.
    if (c_.city->hasFocus()) ShowSuggestions(c_.city->text());
}

void PlaceSuggestions::Forget() {
    if (completer_) completer_->popup()->hide();
    EndPlace();
}

void PlaceSuggestions::EndPlace() {
    picked_.reset();
    following_ = false;
    c_.note->clear();
}

void PlaceSuggestions::CityEdited(const QString& text) {
    // Another city is being typed: the picked place's zone no longer follows the date.
    if (picked_ && text != pickedCity_) EndPlace();
    ShowSuggestions(text);
}

void PlaceSuggestions::ShowSuggestions(const QString& text) {
    shown_.clear();
    if (atlas_ && LetterCount(text) >= 2) shown_ = atlas_->Suggest(text.toStdString());
    if (shown_.empty()) {
        if (completer_) completer_->popup()->hide();
        return;
    }
    QAbstractItemView* list = popup();
    QStringList rows;
    for (const Place* p : shown_) rows << FromStd(SuggestionLine(*p));
    model_->setStringList(rows);
    // As wide as the longest suggestion, and never narrower than the box.
    const int width = std::max(c_.city->width(), list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                                                     list->verticalScrollBar()->sizeHint().width());
    completer_->complete(QRect(0, 0, width, c_.city->height()));
    // Nothing is chosen until the user moves into the list: Enter keeps its usual meaning.
    list->setCurrentIndex(QModelIndex());
}

void PlaceSuggestions::Pick(int row) {
    if (row < 0 || row >= static_cast<int>(shown_.size())) return;
    const Place place = *shown_[static_cast<std::size_t>(row)];
    const PlaceFields f = FieldsForPlace(place);
    writing_ = true;
    c_.city->setText(FromStd(f.City));
    c_.state->setText(FromStd(f.State));
    c_.country->setText(FromStd(f.Country));
    c_.latDeg->setText(QString::number(f.LatDeg));
    c_.latMin->setText(QString::number(f.LatMin));
    c_.lonDeg->setText(QString::number(f.LonDeg));
    c_.lonMin->setText(QString::number(f.LonMin));
    (f.South ? c_.south : c_.north)->setChecked(true);
    (f.East ? c_.east : c_.west)->setChecked(true);
    // Each box shows the start of its text, not the end a long name scrolled to.
    for (QLineEdit* box : {c_.city, c_.state, c_.country, c_.latDeg, c_.latMin, c_.lonDeg, c_.lonMin}) {
        box->setCursorPosition(0);
    }
    writing_ = false;
    picked_ = place;
    pickedCity_ = c_.city->text();
    following_ = true;
    popup()->hide();
    ChooseZoneForBirth();
}

void PlaceSuggestions::ChooseZoneForBirth() {
    if (!picked_ || !following_) return;
    const PlaceFields f = FieldsForPlace(*picked_);
    const ZoneChoice z = ChooseZone(picked_->TimeZone, c_.year->currentText().toInt(),
                                    c_.month->currentIndex() + 1, c_.day->currentText().toInt(),
                                    c_.hour->currentText().toInt(), c_.minute->currentText().toInt(),
                                    LocalMeanTimeMinutes(f.LonDeg, f.LonMin, f.East));
    if (z.chosen()) {
        writing_ = true;
        c_.zone->setCurrentIndex(z.ZoneIndex);
        c_.daylightSaving->setChecked(z.DaylightSaving);
        writing_ = false;
    }
    c_.note->setText(FromStd(z.Note));
}

void PlaceSuggestions::ZoneSetByHand() {
    if (!following_) return;
    following_ = false;
    c_.note->setText(kSetByHand);
}

bool PlaceSuggestions::eventFilter(QObject* watched, QEvent* event) {
    if (!completer_ || watched != completer_->popup() || event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Escape:
            return false;  // the list's own keys
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (completer_->popup()->currentIndex().isValid()) return false;  // picks it
            break;
        default:
            break;
    }
    // Everything else goes to the City box through its filters, so that the letter filter
    // sees every key as it does without the list. The list closes first for a key that
    // may bring up a message or move the focus; typing a name keeps it open.
    if (!EditsName(*key)) completer_->popup()->hide();
    QCoreApplication::sendEvent(c_.city, event);
    return true;
}

}  // namespace velakor
