#include "support/MainFormDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "ui/dialogs/WebLinks.h"

namespace velakor::testing {

MessageLog::MessageLog() {
    SetMessageHandler([this](const QString& text, BoxIcon icon, const QString& title) {
        messages.append({text, icon, title});
    });
    SetQuestionHandler([this](const QString& text, const QString& title) {
        messages.append({text, BoxIcon::Question, title});
        return answer;
    });
}

MessageLog::~MessageLog() {
    SetMessageHandler(nullptr);
    SetQuestionHandler(nullptr);
}

QStringList MessageLog::texts() const {
    QStringList out;
    for (const ShownMessage& m : messages) out << m.text;
    return out;
}

UrlLog::UrlLog() {
    SetUrlHandler([this](const QUrl& url) {
        urls.append(url);
        return true;
    });
}

UrlLog::~UrlLog() { SetUrlHandler(nullptr); }

BirthEntry DelhiEntry() {
    BirthEntry e;
    e.name = QStringLiteral("Ravi Kumar");
    e.day = 15;
    e.month = 8;
    e.year = 1947;
    e.hour = 0;
    e.minute = 0;
    e.zone = 34;  // Indian Time, IST, +5.3
    e.latDeg = QStringLiteral("28");
    e.latMin = QStringLiteral("38");
    e.lonDeg = QStringLiteral("77");
    e.lonMin = QStringLiteral("12");
    e.city = QStringLiteral("New Delhi");
    e.state = QStringLiteral("Delhi");
    e.country = QStringLiteral("India");
    return e;
}

BirthEntry LondonEntry() {
    BirthEntry e;
    e.name = QStringLiteral("Anne Smith");
    e.day = 7;
    e.month = 3;
    e.year = 1975;
    e.hour = 9;
    e.minute = 5;
    e.zone = 29;  // Greenwich Mean Time
    e.latDeg = QStringLiteral("51");
    e.latMin = QStringLiteral("30");
    e.lonDeg = QStringLiteral("0");
    e.lonMin = QStringLiteral("7");
    e.west = true;
    e.city = QStringLiteral("London");
    e.state = QStringLiteral("England");
    e.country = QStringLiteral("United Kingdom");
    return e;
}

void TypeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            // Latin-1 letters have their own key codes, the upper-case letter's code.
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }
}

namespace {

void Type(QWidget* form, const char* box, const QString& text) {
    auto* edit = Child<QLineEdit>(form, QString::fromLatin1(box));
    if (!edit) return;
    edit->clear();
    TypeKeys(edit, text);
}

void Pick(QWidget* form, const char* list, int index) {
    if (auto* combo = Child<QComboBox>(form, QString::fromLatin1(list))) combo->setCurrentIndex(index);
}

void Click(QWidget* form, const char* button) {
    if (auto* b = Child<QAbstractButton>(form, QString::fromLatin1(button))) {
        if (!b->isChecked()) QTest::mouseClick(b, Qt::LeftButton);
    }
}

}  // namespace

void EnterBirthData(QWidget* form, const BirthEntry& e) {
    Type(form, "txtName", e.name);
    Pick(form, "cboDate", e.day - 1);
    Pick(form, "cboMonth", e.month - 1);
    Pick(form, "cboYear", e.year - 1901);
    Pick(form, "cboHour", e.hour);
    Pick(form, "cboMinute", e.minute);
    Pick(form, "cboTimeZone", e.zone);
    Type(form, "txtLatDeg", e.latDeg);
    Type(form, "txtLatMin", e.latMin);
    Type(form, "txtLonDeg", e.lonDeg);
    Type(form, "txtLonMin", e.lonMin);
    Click(form, e.south ? "optLat_1" : "optLat_0");
    Click(form, e.west ? "optLong_1" : "optLong_0");
    if (auto* dst = Child<QCheckBox>(form, QStringLiteral("chkDST"))) {
        if (dst->isChecked() != e.dst) QTest::mouseClick(dst, Qt::LeftButton);
    }
    Type(form, "txtCity", e.city);
    Type(form, "txtState", e.state);
    Type(form, "txtCountry", e.country);
}

FormValues ToFormValues(const BirthEntry& e) {
    FormValues v;
    v.Name = e.name.toStdString();
    v.Day = e.day;
    v.Month = e.month;
    v.Year = e.year;
    v.Hour = e.hour;
    v.Minute = e.minute;
    v.ZoneIndex = e.zone;
    v.LatDeg = e.latDeg.toStdString();
    v.LatMin = e.latMin.toStdString();
    v.LonDeg = e.lonDeg.toStdString();
    v.LonMin = e.lonMin.toStdString();
    v.Latitude = e.south ? Direction::Second : Direction::First;
    v.Longitude = e.west ? Direction::Second : Direction::First;
    v.DaylightSaving = e.dst;
    v.City = e.city.toStdString();
    v.State = e.state.toStdString();
    v.Country = e.country.toStdString();
    return v;
}

}  // namespace velakor::testing
