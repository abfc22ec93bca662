#include "app/gui/frmMain.h"

#include <QEvent>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <QUrlQuery>

#include "app/ZoneWarning.h"
#include "astro/CivilTime.h"
#include "app/gui/FieldFilter.h"
#include "app/gui/PlaceSuggestions.h"
#include "chart/NameTables.h"
#include "io/ReadingFile.h"
#include "io/gui/OutputCommands.h"
#include "library/ChartLibrary.h"
#include "library/ReadingCheck.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/library/LibraryWindow.h"
#include "ui/window/MDI.h"
#include "ui/dialogs/Seams.h"
#include "ui/dialogs/WebLinks.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui_frmMain.h"

namespace velakor {
namespace {

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// Month m (0..11) as the month list shows it: the form's own English names, or in Hindi and
// Tamil the language's (the interface's language sets the default locale).
QString MonthCaption(int m) {
    if (InterfaceLanguage() == Language::English) return QString::fromLatin1(kMonthNames[m]);
    return QLocale().standaloneMonthName(m + 1);
}

// The character code a key press types, or -1 for a key that types nothing (arrows, Tab,
// Delete, Home...). With Ctrl held, some platforms report the letter rather than its control code: Ctrl+C
// types code 3 whichever way it is reported.
int TypedCode(const QKeyEvent& key) {
    // Tab moves between the fields; it types nothing into them.
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return -1;
    const QString text = key.text();
    if (text.isEmpty()) return -1;
    const int code = text.at(0).unicode();
    const Qt::KeyboardModifiers mods = key.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    if (ctrl && code >= 0x40 && code < 0x80) return code & 0x1f;
    return code;
}

// The map search for a birth place, "city, state, country".
QUrl MapSearchUrl(const QString& city, const QString& state, const QString& country) {
    QUrl url(QStringLiteral("https://www.openstreetmap.org/search"));
    const QString place = city.trimmed() + QStringLiteral(", ") + state.trimmed() + QStringLiteral(", ") +
                          country.trimmed();
    QUrlQuery query;
    // Encoded whole, so that an "&" or "#" pasted into a name cannot cut the query short.
    query.addQueryItem(QStringLiteral("query"), QString::fromLatin1(QUrl::toPercentEncoding(place)));
    url.setQuery(query);
    return url;
}

QString FromStd(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr int kNumberBoxLength = 3;
// How often a reading handed over while a dialog is open looks whether it has closed.
constexpr int kWaitForDialogMs = 300;

// The three-digit limit is for typing. A reading's value goes in whole, so that the rules
// judge what the file holds: cut to three digits, "1800" would pass as 180 degrees.
void SetNumberText(QLineEdit* box, const QString& text) {
    if (text.size() > box->maxLength()) box->setMaxLength(static_cast<int>(text.size()));
    box->setText(text);
}

}  // namespace

frmMain::frmMain(Program& program, QWidget* parent)
    : QMainWindow(parent), program_(program), ui_(std::make_unique<Ui::frmMain>()) {
    ui_->setupUi(this);

    for (QLineEdit* box : {ui_->txtName, ui_->txtCity, ui_->txtState, ui_->txtCountry}) {
        letterBoxes_.insert(box);
        box->installEventFilter(this);
        box->setAcceptDrops(false);  // dropped text would pass the filter by
    }
    for (QLineEdit* box : {ui_->txtLatDeg, ui_->txtLatMin, ui_->txtLonDeg, ui_->txtLonMin}) {
        numberBoxes_.insert(box);
        box->installEventFilter(this);
        box->setAcceptDrops(false);
        // A longer text put in from a reading is widened to fit (see SetNumberText); once
        // it is short again, typing is held to three digits as before.
        connect(box, &QLineEdit::textChanged, box, [box](const QString& text) {
            if (box->maxLength() > kNumberBoxLength && text.size() <= kNumberBoxLength) {
                box->setMaxLength(kNumberBoxLength);
            }
        });
    }

    connect(ui_->cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(ui_->mnuCalculate, &QAction::triggered, this, &frmMain::cmdCalculate_Click);
    connect(ui_->cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(ui_->Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(ui_->mnuExit, &QAction::triggered, this, &frmMain::EndProgram);
    connect(ui_->mnuLibrary, &QAction::triggered, this, &frmMain::ShowLibrary);
    connect(ui_->mnuOnline, &QAction::triggered, this, [] { OpenUserGuide(); });
    connect(ui_->mnuVisit, &QAction::triggered, this, [] { OpenUserGuide(); });
    connect(ui_->mnuUpdate, &QAction::triggered, this, [] { OpenUserGuide(); });
    connect(ui_->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);

    Form_Load();
    for (QLineEdit* box : {ui_->txtLonDeg, ui_->txtLonMin})
        connect(box, &QLineEdit::textChanged, this, &frmMain::ShowLocalMeanTimeOffset);
    for (QRadioButton* side : {ui_->optLong_0, ui_->optLong_1})
        connect(side, &QRadioButton::toggled, this, &frmMain::ShowLocalMeanTimeOffset);

    suggestions_ = new PlaceSuggestions(
        PlaceSuggestions::Controls{ui_->txtCity, ui_->txtState, ui_->txtCountry, ui_->txtLatDeg, ui_->txtLatMin,
                                   ui_->txtLonDeg, ui_->txtLonMin, ui_->optLat_0, ui_->optLat_1, ui_->optLong_0,
                                   ui_->optLong_1, ui_->cboDate, ui_->cboMonth, ui_->cboYear, ui_->cboHour,
                                   ui_->cboMinute, ui_->cboTimeZone, ui_->chkDST, ui_->lblZoneNote},
        this);
    // Typing starts in the name box, the first field of the form.
    ui_->txtName->setFocus();
}

frmMain::~frmMain() {
    // The chart window and the library's window are top-level windows of their own; they do
    // not outlive the form (nor the library the form holds).
    delete chartWindow_.data();
    delete libraryWindow_.data();
}

MDI* frmMain::chartWindow() const { return chartWindow_.data(); }

void frmMain::Form_Load() {
    // Each list is filled in one go: one insertion for the list instead of one per entry.
    auto numbers = [](int from, int to) {
        QStringList out;
        out.reserve(to - from + 1);
        for (int n = from; n <= to; ++n) out << QString::number(n);
        return out;
    };
    ui_->cboDate->addItems(numbers(1, 31));
    for (int m = 0; m < 12; ++m) ui_->cboMonth->addItem(MonthCaption(m));
    ui_->cboYear->addItems(numbers(1901, 2050));
    ui_->cboHour->addItems(numbers(0, 24));
    ui_->cboMinute->addItems(numbers(0, 59));
    QStringList zones;
    for (int row = 0; row < kZoneCount; ++row) zones << FromStd(Zone(row).Name);
    ui_->cboTimeZone->addItems(zones);

    ui_->cboDate->setCurrentIndex(0);
    ui_->cboMonth->setCurrentIndex(0);
    ui_->cboYear->setCurrentIndex(0);
    ui_->cboHour->setCurrentIndex(0);
    ui_->cboMinute->setCurrentIndex(0);
    ui_->cboTimeZone->setCurrentIndex(0);
}

void frmMain::ShowLocalMeanTimeOffset() {
    QString row = FromStd(Zone(kLocalMeanTimeRow).Name);
    const QString minuteText = ui_->txtLonMin->text();
    bool degreesOk = false, minutesOk = minuteText.isEmpty();
    const int degrees = ui_->txtLonDeg->text().toInt(&degreesOk);
    const int minutes = minutesOk ? 0 : minuteText.toInt(&minutesOk);
    if (degreesOk && minutesOk && degrees >= 0 && degrees <= 180 && minutes >= 0 && minutes <= 59 &&
        degrees * 60 + minutes <= 180 * 60) {
        const int ahead = LocalMeanTimeMinutes(degrees, minutes, !ui_->optLong_1->isChecked());
        row += QStringLiteral(" (UTC") + FromStd(OffsetText(ahead)) + QLatin1Char(')');
    }
    ui_->cboTimeZone->setItemText(kLocalMeanTimeRow, row);
}

FormValues frmMain::CollectFormValues() const {
    FormValues v;
    v.Name = ui_->txtName->text().toStdString();
    v.Day = ui_->cboDate->currentText().toInt();
    v.Month = ui_->cboMonth->currentIndex() + 1;
    v.Year = ui_->cboYear->currentText().toInt();
    v.Hour = ui_->cboHour->currentText().toInt();
    v.Minute = ui_->cboMinute->currentText().toInt();
    v.ZoneIndex = ui_->cboTimeZone->currentIndex();
    v.LatDeg = ui_->txtLatDeg->text().toStdString();
    v.LatMin = ui_->txtLatMin->text().toStdString();
    v.LonDeg = ui_->txtLonDeg->text().toStdString();
    v.LonMin = ui_->txtLonMin->text().toStdString();
    v.Latitude = ui_->optLat_0->isChecked()   ? Direction::First
                 : ui_->optLat_1->isChecked() ? Direction::Second
                                              : Direction::None;
    v.Longitude = ui_->optLong_0->isChecked()   ? Direction::First
                  : ui_->optLong_1->isChecked() ? Direction::Second
                                                : Direction::None;
    v.DaylightSaving = ui_->chkDST->isChecked();
    v.City = ui_->txtCity->text().toStdString();
    v.State = ui_->txtState->text().toStdString();
    v.Country = ui_->txtCountry->text().toStdString();
    return v;
}

void frmMain::WriteFormValues(const FormValues& v) {
    // The values are the file's (or the caller's), not the atlas's: nothing of a picked
    // place may change them.
    suggestions_->Forget();
    // A value the list does not offer leaves the list as it was.
    auto pick = [](QComboBox* list, int index) {
        if (index >= 0 && index < list->count()) list->setCurrentIndex(index);
    };
    ui_->txtName->setText(QString::fromStdString(v.Name));
    pick(ui_->cboDate, ui_->cboDate->findText(QString::number(v.Day)));
    pick(ui_->cboMonth, v.Month - 1);
    pick(ui_->cboYear, ui_->cboYear->findText(QString::number(v.Year)));
    pick(ui_->cboHour, ui_->cboHour->findText(QString::number(v.Hour)));
    pick(ui_->cboMinute, ui_->cboMinute->findText(QString::number(v.Minute)));
    pick(ui_->cboTimeZone, v.ZoneIndex);
    SetNumberText(ui_->txtLatDeg, QString::fromStdString(v.LatDeg));
    SetNumberText(ui_->txtLatMin, QString::fromStdString(v.LatMin));
    SetNumberText(ui_->txtLonDeg, QString::fromStdString(v.LonDeg));
    SetNumberText(ui_->txtLonMin, QString::fromStdString(v.LonMin));
    (v.Latitude == Direction::Second ? ui_->optLat_1 : ui_->optLat_0)->setChecked(true);
    (v.Longitude == Direction::Second ? ui_->optLong_1 : ui_->optLong_0)->setChecked(true);
    ui_->chkDST->setChecked(v.DaylightSaving);
    ui_->txtCity->setText(QString::fromStdString(v.City));
    ui_->txtState->setText(QString::fromStdString(v.State));
    ui_->txtCountry->setText(QString::fromStdString(v.Country));
}

QLineEdit* frmMain::FieldEdit(FormField field) const {
    switch (field) {
        case FormField::Name: return ui_->txtName;
        case FormField::LatDeg: return ui_->txtLatDeg;
        case FormField::LatMin: return ui_->txtLatMin;
        case FormField::LonDeg: return ui_->txtLonDeg;
        case FormField::LonMin: return ui_->txtLonMin;
        case FormField::City: return ui_->txtCity;
        case FormField::State: return ui_->txtState;
        case FormField::Country: return ui_->txtCountry;
        case FormField::None: break;
    }
    return nullptr;
}

bool frmMain::ValidateInput() {
    const std::optional<ValidationFailure> failure = velakor::ValidateInput(CollectFormValues());
    if (!failure) return true;
    ShowMessage(this, QString::fromStdString(failure->Message),
                failure->Icon == MessageIcon::Information ? BoxIcon::Information : BoxIcon::Critical);
    // Best effort: a field that cannot take the focus (the form is hidden) just doesn't.
    if (QLineEdit* box = FieldEdit(failure->Focus)) box->setFocus();
    if (failure->Then == FollowUp::SelectNorth) ui_->optLat_0->setChecked(true);
    if (failure->Then == FollowUp::SelectEast) ui_->optLong_0->setChecked(true);
    return false;
}

void frmMain::cmdCalculate_Click() {
    if (!ValidateInput()) return;
    const FormValues values = CollectFormValues();
    {
        // Asked before anything changes: a zone far from the birth place's own clock is
        // most often the list's first row left as it was.
        Program probe;
        CopyFormToRecord(probe, values);
        if (const auto warning = ZoneWarning(probe.Birth); warning && !AskQuestion(this, FromStd(*warning))) {
            ui_->cboTimeZone->setFocus();
            return;
        }
    }
    const std::string previousPerson = program_.Birth.BirthName;
    RunCalculation(program_, values);
    // Save As and the PDFs propose the person on show: another person's file is never offered,
    // where Enter would write over it.
    if (program_.LastSaveFileName.empty() || program_.Birth.BirthName != previousPerson)
        program_.LastSaveFileName = FileNameForPerson(program_.Birth.BirthName);

    MDI* window = chartWindow_;
    if (!window) {
        // Created after the birth record is complete: the window composes the birth
        // details from it.
        window = new MDI(program_, nullptr);
        connect(window, &MDI::mainFormRequested, this, &frmMain::ShowAgain);
        connect(window, &MDI::exitRequested, this, &frmMain::EndProgram);
        connect(window, &MDI::openRequested, this, &frmMain::cmdOpen_Click);
        connect(window, &MDI::libraryRequested, this, &frmMain::ShowLibrary);
        connect(window, &MDI::saveToLibraryRequested, this, &frmMain::SaveToLibrary);
        connect(window, &MDI::libraryPartnerRequested, this, &frmMain::PickPartnerFromLibrary);
        window->PlaceOnScreenOf(this);
        chartWindow_ = window;
    }
    window->WriteChart();
    window->show();
    window->activateWindow();
    placeBeforeHiding_ = pos();
    hide();
}

void frmMain::ShowAgain() {
    // Asked for where it stood: a window manager would otherwise place the window anew, as
    // if it had never been on screen.
    if (placeBeforeHiding_) move(*placeBeforeHiding_);
    show();
    activateWindow();
    ui_->txtName->setFocus();
}

void frmMain::cmdOpen_Click() {
    // A chart is never restored from a file, only recomputed from its birth data. Opened
    // from the chart window's toolbar, the dialog belongs to that window, and a reading that
    // cannot be charted leaves the fields those of the chart on show.
    MDI* frame = chartWindow_ && chartWindow_->isVisible() ? chartWindow_.data() : nullptr;
    const FormValues before = CollectFormValues();
    QString fileName;
    const std::optional<FormValues> values =
        OpenReading(frame ? static_cast<QWidget*>(frame) : this, before, &fileName);
    if (!values) return;
    OpenValues(*values, fileName);
}

void frmMain::OpenFile(const QString& path) {
    // A dialog of this program is open (a question, Save As): the reading waits its turn,
    // rather than change the chart under it.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(kWaitForDialogMs, this, [this, path] { OpenFile(path); });
        return;
    }
    MDI* frame = chartWindow_ && chartWindow_->isVisible() ? chartWindow_.data() : nullptr;
    const std::optional<FormValues> values =
        ReadReadingFile(frame ? static_cast<QWidget*>(frame) : this, path, CollectFormValues());
    if (!values) return;
    OpenValues(*values, path);
    QWidget* shown = chartWindow_ && chartWindow_->isVisible() ? static_cast<QWidget*>(chartWindow_.data()) : this;
    shown->raise();
    shown->activateWindow();
}

void frmMain::OpenValues(const FormValues& values, const QString& fileName) {
    const bool fromFrame = chartWindow_ && chartWindow_->isVisible();
    const FormValues before = CollectFormValues();
    WriteFormValues(values);
    if (fromFrame && !ValidateInput()) {
        WriteFormValues(before);
        return;
    }
    cmdCalculate_Click();
    if (chartWindow_ && !isVisible()) {
        chartWindow_->SetReadingFileName(fileName);
        // A chart opened from a file is that file's: saving it again proposes the same file.
        if (!fileName.isEmpty()) program_.LastSaveFileName = fileName.toStdString();
    }
}

ChartLibrary* frmMain::Library(QWidget* parent) {
    if (library_) return library_.get();
    LibraryOpening opening = ChartLibrary::Open(ChartLibrary::DefaultPath(), LibraryFile::Own);
    if (!opening.Notice.isEmpty()) ShowMessage(parent, opening.Notice, BoxIcon::Exclamation);
    if (!opening.Library) {
        // On a read-only or full disk its charts can still be found, opened and exported.
        LibraryOpening reading = ChartLibrary::Open(ChartLibrary::DefaultPath(), LibraryFile::Own, LibraryAccess::ReadOnly);
        if (!reading.Library) {
            ShowMessage(parent,
                        QCoreApplication::translate("velakor::frmMain", "The chart library cannot be opened.\n") +
                            opening.Error,
                        BoxIcon::Critical);
            return nullptr;
        }
        ShowMessage(parent,
                    QCoreApplication::translate("velakor::frmMain",
                                                "The chart library can only be read.\n%1\nIts charts can be found, "
                                                "opened and exported; nothing can be saved to it or changed in it.")
                        .arg(opening.Error),
                    BoxIcon::Exclamation);
        opening = std::move(reading);
    }
    library_ = std::move(opening.Library);
    return library_.get();
}

LibraryWindow* frmMain::ShowLibrary() {
    QWidget* from = chartWindow_ && chartWindow_->isVisible() ? static_cast<QWidget*>(chartWindow_.data()) : this;
    if (!libraryWindow_) {
        ChartLibrary* library = Library(from);
        if (!library) return nullptr;
        libraryWindow_ = new LibraryWindow(*library, nullptr);
        connect(libraryWindow_, &LibraryWindow::chartChosen, this, &frmMain::OpenFromLibrary);
    } else {
        libraryWindow_->model()->Refresh();
    }
    libraryWindow_->show();
    libraryWindow_->raise();
    libraryWindow_->activateWindow();
    return libraryWindow_;
}

void frmMain::PickPartnerFromLibrary() {
    LibraryWindow* library = ShowLibrary();
    if (!library) return;
    const QPointer<MDI> frame = chartWindow_;
    library->PickChart(QStringLiteral("Choose as &Partner"));
    // One answer per request: whichever comes first ends it.
    auto* request = new QObject(library);
    const auto done = [library, request] {
        QObject::disconnect(library, nullptr, request, nullptr);
        request->deleteLater();
    };
    connect(library, &LibraryWindow::chartPicked, request, [frame, done](const FormValues& values) {
        done();
        if (!frame) return;
        frame->raise();
        frame->activateWindow();
        frame->MatchWith(values);
    });
    connect(library, &LibraryWindow::pickCancelled, request, done);
}

void frmMain::OpenFromLibrary(const FormValues& values) {
    // Always computed afresh from the birth data, as a reading opened from a file is.
    OpenValues(values, QString());
}

void frmMain::SaveToLibrary() {
    QWidget* from = chartWindow_ ? static_cast<QWidget*>(chartWindow_.data()) : this;
    // The library keeps what a reading file keeps: say first what that would lose.
    const std::vector<LostCharacters> lost = FindLostCharacters(program_.Birth);
    if (!lost.empty() && !AskQuestion(from, FromStd(LostCharactersQuestion(lost)))) return;
    const CheckedReading reading = CheckBirthRecord(program_.Birth);
    if (!reading.ok()) {
        ShowMessage(from, FromStd(reading.Refusal), BoxIcon::Critical);
        return;
    }
    ChartLibrary* library = Library(from);
    if (!library) return;
    const auto added = library->Add(reading.Values, nullptr, program_.SkyInUse);
    if (!added) {
        ShowMessage(from,
                    QCoreApplication::translate("velakor::frmMain", "The chart could not be saved to the library.\n") +
                        library->lastError(),
                    BoxIcon::Critical);
        return;
    }
    if (libraryWindow_) libraryWindow_->model()->Refresh();
    const QString name = FromStd(reading.Values[kLineName]);
    ShowMessage(from,
                (added->Duplicate
                     ? QCoreApplication::translate("velakor::frmMain", "The chart of %1 is in the library already.")
                     : QCoreApplication::translate("velakor::frmMain", "The chart of %1 has been saved to the library."))
                    .arg(name),
                BoxIcon::Information);
}

void frmMain::Command1_Click() {
    struct Required {
        QLineEdit* box;
        const char* message;
    };
    for (const Required& r : {Required{ui_->txtCity, "Please Enter City"}, Required{ui_->txtState, "Please Enter State"},
                              Required{ui_->txtCountry, "Please Enter Country"}}) {
        if (r.box->text().isEmpty()) {
            ShowMessage(this, QString::fromLatin1(r.message), BoxIcon::Critical);
            r.box->setFocus();
            return;
        }
    }
    OpenUrl(MapSearchUrl(ui_->txtCity->text(), ui_->txtState->text(), ui_->txtCountry->text()));
}

void frmMain::mnuAbout_Click() { ShowAboutBox(this); }

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const bool letters = letterBoxes_.contains(watched);
    if (!letters && !numberBoxes_.contains(watched)) return QMainWindow::eventFilter(watched, event);
    auto* box = static_cast<QLineEdit*>(watched);
    const FieldKind kind = letters ? FieldKind::Letters : FieldKind::Digits;
    if (event->type() == QEvent::ContextMenu) {
        // The box's own menu, whose Paste goes through the filter like Ctrl+V.
        QMenu* menu = box->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        for (QAction* paste : menu->actions()) {
            // Known by its caption, as the box's own translation spells it.
            if (!paste->text().startsWith(QLineEdit::tr("&Paste"))) continue;
            paste->setObjectName(QStringLiteral("edit-paste"));
            disconnect(paste, &QAction::triggered, nullptr, nullptr);
            connect(paste, &QAction::triggered, this, [this, box, kind, letters] { PasteFiltered(box, kind, letters); });
        }
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;

    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsEditingCommand(*key)) {
        if (event->type() == QEvent::ShortcutOverride) {
            // The box's own commands come first; no shortcut of a menu takes them.
            if (key->modifiers().testFlag(Qt::ControlModifier) || IsPasteKey(*key)) {
                event->accept();
                return true;
            }
            return false;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            ui_->cmdCalculate->click();
            return true;
        }
        if (IsRedoByCtrlY(*key)) {
            box->redo();
            return true;
        }
        if (IsPasteKey(*key)) {
            PasteFiltered(box, kind, letters);
            return true;
        }
        return false;  // select all, copy, cut, undo, redo, Escape, Tab: the box's own
    }

    const int code = TypedCode(*key);
    if (code < 0 || code == 8 || code == 127) return false;  // moving, deleting
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim the other Ctrl keys so that no shortcut takes them: they come back as a key
        // press and are refused there, once. Alt keys stay free for the menus' access keys.
        const Qt::KeyboardModifiers mods = key->modifiers();
        if (mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier) && code < 32) {
            event->accept();
            return true;
        }
        return false;
    }
    bool refused = code < 32;
    const QString kept = refused ? QString() : FilterFieldText(key->text(), kind, &refused);
    if (!refused) {
        if (kept == key->text()) return false;  // typed as it is
        box->insert(kept);                       // an accented letter, folded
        return true;
    }
    RefuseInput(box, letters);
    return true;
}

void frmMain::PasteFiltered(QLineEdit* box, FieldKind kind, bool letters) {
    // Pasted text meets the same filter as typed text: what the box refuses is left out,
    // and said once.
    bool refused = false;
    QString kept = FilterFieldText(QGuiApplication::clipboard()->text(), kind, &refused);
    // What was left out at the start leaves no second space beside one the box has.
    const int at = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    if (refused && kept.startsWith(QLatin1Char(' ')) && at > 0 && box->text().at(at - 1) == QLatin1Char(' ')) {
        kept.remove(0, 1);
    }
    if (!kept.isEmpty()) box->insert(kept);
    if (refused) RefuseInput(box, letters);
}

void frmMain::RefuseInput(QLineEdit* box, bool letters) {
    if (letters) {
        ShowMessage(this, QCoreApplication::translate("velakor::frmMain", "Please enter only letters"), BoxIcon::Critical);
        box->setFocus();
    } else {
        ShowMessage(this, QCoreApplication::translate("velakor::frmMain", "Please enter only numbers"), BoxIcon::Critical);
    }
}

void frmMain::EndProgram() {
    close();
    // A form that was never shown may not go through closeEvent; end all the same.
    FinishEnding();
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui_->retranslateUi(this);
        for (int m = 0; m < ui_->cboMonth->count(); ++m) ui_->cboMonth->setItemText(m, MonthCaption(m));
    }
    QMainWindow::changeEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    FinishEnding();
}

void frmMain::FinishEnding() {
    if (ending_) return;
    ending_ = true;
    // Its own close would ask to end the program again; ending_ answers that.
    if (chartWindow_) chartWindow_->close();
    emit programEnded();
}

}  // namespace velakor
