#include "ui/library/LibraryWindow.h"

#include <algorithm>
#include <climits>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "io/gui/FileReplace.h"
#include "library/LibraryImport.h"
#include "library/ReadingCheck.h"
#include "library/SearchText.h"
#include "ui/dialogs/Seams.h"
#include "ui/views/ReadingTexts.h"

namespace velakor {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Refusals listed in the import's summary; the rest are counted.
constexpr int kListedRefusals = 15;

// A file name for an exported reading: the person's name, without what a folder name cannot
// hold, numbered when the folder has such a file already (nothing there is replaced).
QString FreeReadingName(const QDir& folder, const QString& person) {
    QString base;
    for (const QChar c : person) base += (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c)) ? QLatin1Char('_') : c;
    base = base.trimmed();
    if (base.isEmpty() || base.startsWith(QLatin1Char('.'))) base.prepend(QStringLiteral("chart"));
    QString name = base + QStringLiteral(".vlj");
    for (int n = 2; folder.exists(name); ++n) name = QStringLiteral("%1 (%2).vlj").arg(base).arg(n);
    return folder.filePath(name);
}

// The chart's birth as the headings that name a person give it: name, date, time and place.
QString BirthLine(const ReadingTexts& values) {
    Program p;
    CopyFormToRecord(p, FormValuesOf(values));
    return BirthLineText(p.Birth);
}

QString Charts(qint64 n) {
    return n == 1 ? QCoreApplication::translate("velakor::LibraryWindow", "1 chart")
                  : QCoreApplication::translate("velakor::LibraryWindow", "%1 charts").arg(n);
}

// The captions of the window's labels and buttons, by the name of what they caption: set
// again in the interface's language whenever it changes.
struct Caption {
    const char* object;
    const char* text;
};
constexpr Caption kCaptions[] = {
    {"lblSearch", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "&Search:")},
    {"lblName", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "Na&me:")},
    {"lblNote", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "No&te:")},
    {"lblCity", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "Cit&y:")},
    {"lblState", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "St&ate:")},
    {"lblCountry", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "Co&untry:")},
    {"cmdOpenChart", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "&Open")},
    {"cmdDelete", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "&Delete")},
    {"cmdImportFiles", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "&Import Files...")},
    {"cmdImportFolder", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "Import &Folder...")},
    {"cmdExport", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "&Export...")},
    {"cmdClose", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "&Close")},
    {"cmdCancelImport", QT_TRANSLATE_NOOP("velakor::LibraryWindow", "Ca&ncel Import")},
};

std::filesystem::path PathOf(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

}  // namespace

LibraryModel::LibraryModel(ChartLibrary& library, QObject* parent) : QAbstractTableModel(parent), library_(library) {
    Refresh();
}

void LibraryModel::SetSearch(const QString& text) {
    search_ = text;
    Reload(false);
}

void LibraryModel::Refresh() { Reload(true); }

void LibraryModel::Reload(bool libraryChanged) {
    emit aboutToRefresh();
    beginResetModel();
    auto found = library_.Search(search_, sort_, descending_);
    failure_ = found ? QString() : library_.lastError();
    ids_ = found ? std::move(*found) : std::vector<qint64>();
    shown_.clear();
    // Every chart found by an empty search is the count; typing changes no count.
    if (found && SearchWords(search_).isEmpty()) {
        total_ = static_cast<qint64>(ids_.size());
    } else if (libraryChanged || total_ < 0) {
        total_ = library_.Count();
    }
    endResetModel();
}

qint64 LibraryModel::IdAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < ids_.size() ? ids_[static_cast<std::size_t>(row)] : 0;
}

int LibraryModel::RowOf(qint64 id) const {
    const auto at = std::find(ids_.begin(), ids_.end(), id);
    return at == ids_.end() ? -1 : static_cast<int>(at - ids_.begin());
}

int LibraryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ids_.size());
}

int LibraryModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

const LibraryChart* LibraryModel::ChartAt(int row) const {
    const qint64 id = IdAt(row);
    if (id == 0) return nullptr;
    auto it = shown_.find(id);
    if (it == shown_.end()) {
        const auto chart = library_.Chart(id);
        if (!chart) return nullptr;
        it = shown_.insert(id, *chart);
    }
    return &*it;
}

QVariant LibraryModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const LibraryChart* c = ChartAt(index.row());
    if (!c) return {};
    const ReadingTexts& v = c->Values;
    switch (index.column()) {
        case kName: return Q(v[kLineName]);
        case kBirth: {
            const FormValues f = FormValuesOf(v);
            return QStringLiteral("%1-%2-%3 %4:%5")
                .arg(f.Year)
                .arg(f.Month, 2, 10, QLatin1Char('0'))
                .arg(f.Day, 2, 10, QLatin1Char('0'))
                .arg(f.Hour, 2, 10, QLatin1Char('0'))
                .arg(f.Minute, 2, 10, QLatin1Char('0'));
        }
        case kPlace: return Q(v[kLineCity] + ", " + v[kLineState] + ", " + v[kLineCountry]);
        default: return {};
    }
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case kName: return QCoreApplication::translate("velakor::LibraryWindow", "Name");
        case kBirth: return QCoreApplication::translate("velakor::LibraryWindow", "Date and Time of Birth");
        case kPlace: return QCoreApplication::translate("velakor::LibraryWindow", "Place");
        default: return {};
    }
}

void LibraryModel::sort(int column, Qt::SortOrder order) {
    sort_ = column == kBirth ? LibrarySort::Birth : (column == kPlace ? LibrarySort::Place : LibrarySort::Name);
    descending_ = order == Qt::DescendingOrder;
    Reload(false);
}

LibraryWindow::LibraryWindow(ChartLibrary& library, QWidget* parent)
    : QWidget(parent, Qt::Window), library_(library) {
    setObjectName(QStringLiteral("LibraryWindow"));
    setAttribute(Qt::WA_DeleteOnClose);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("txtSearch"));
    search_->setClearButtonEnabled(true);
    search_->installEventFilter(this);
    auto* searchLabel = new QLabel(this);
    searchLabel->setObjectName(QStringLiteral("lblSearch"));
    searchLabel->setBuddy(search_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("lblCount"));

    model_ = new LibraryModel(library_, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblCharts"));
    table_->setAccessibleName(tr("Charts found"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // Fixed heights and widths: measuring a hundred thousand rows would read them all.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(LibraryModel::kName, 220);
    table_->setColumnWidth(LibraryModel::kBirth, 180);
    table_->horizontalHeader()->setSortIndicator(LibraryModel::kName, Qt::AscendingOrder);
    table_->setSortingEnabled(true);

    // The selected chart's own texts, kept when a box is left or Enter is pressed in it.
    auto box = [this](const char* name) {
        auto* b = new QLineEdit(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setEnabled(false);
        return b;
    };
    name_ = box("txtName");
    city_ = box("txtCity");
    state_ = box("txtState");
    country_ = box("txtCountry");
    note_ = box("txtNote");
    auto* details = new QGridLayout;
    auto place = [&](QLineEdit* b, const char* labelName, int row, int column, int span) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setBuddy(b);
        details->addWidget(label, row, column);
        details->addWidget(b, row, column + 1, 1, span);
    };
    place(name_, "lblName", 0, 0, 1);
    place(note_, "lblNote", 0, 2, 3);
    place(city_, "lblCity", 1, 0, 1);
    place(state_, "lblState", 1, 2, 1);
    place(country_, "lblCountry", 1, 4, 1);
    for (int column : {1, 3, 5}) details->setColumnStretch(column, 1);

    auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    pick_ = button("cmdPickChart");
    pick_->hide();
    QPushButton* open = button("cmdOpenChart");
    QPushButton* remove = button("cmdDelete");
    QPushButton* importFiles = button("cmdImportFiles");
    QPushButton* importFolder = button("cmdImportFolder");
    QPushButton* exportCharts = button("cmdExport");
    QPushButton* close = button("cmdClose");
    importButtons_ = {importFiles, importFolder};

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("barImport"));
    progress_->setAccessibleName(QStringLiteral("Import progress"));
    progress_->hide();
    cancelImport_ = button("cmdCancelImport");
    cancelImport_->hide();

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(count_);
    auto* importRow = new QHBoxLayout;
    importRow->addWidget(progress_, 1);
    importRow->addWidget(cancelImport_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {pick_, open, remove, importFiles, importFolder, exportCharts}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(table_, 1);
    layout->addLayout(details);
    layout->addLayout(importRow);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(search_, &QLineEdit::textChanged, model_, &LibraryModel::SetSearch);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (!table_->currentIndex().isValid()) SelectRow(0);
        Choose();
    });
    connect(table_, &QTableView::activated, this, &LibraryWindow::Choose);
    connect(pick_, &QPushButton::clicked, this, &LibraryWindow::Choose);
    connect(open, &QPushButton::clicked, this, &LibraryWindow::OpenSelected);
    connect(remove, &QPushButton::clicked, this, &LibraryWindow::DeleteSelected);
    connect(importFiles, &QPushButton::clicked, this, &LibraryWindow::ImportFiles);
    connect(importFolder, &QPushButton::clicked, this, &LibraryWindow::ImportFolder);
    connect(exportCharts, &QPushButton::clicked, this, &LibraryWindow::ExportSelected);
    connect(cancelImport_, &QPushButton::clicked, this, [this] {
        if (job_) job_->Cancel();
        cancelImport_->setEnabled(false);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &LibraryWindow::SelectionChanged);
    connect(model_, &LibraryModel::aboutToRefresh, this, [this] { KeepDetails(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        ShowDetails();
        ShowCount();
    });
    for (QLineEdit* b : {name_, city_, state_, country_, note_})
        connect(b, &QLineEdit::editingFinished, this, &LibraryWindow::DetailsEdited);
    Retranslate();
    search_->setFocus();
}

void LibraryWindow::Retranslate() {
    setWindowTitle(QCoreApplication::translate("velakor::LibraryWindow", "Chart Library - Velakor"));
    search_->setPlaceholderText(QCoreApplication::translate("velakor::LibraryWindow", "Name, city, state or country"));
    for (const Caption& c : kCaptions) {
        const QString text = QCoreApplication::translate("velakor::LibraryWindow", c.text);
        if (auto* label = findChild<QLabel*>(QLatin1String(c.object))) label->setText(text);
        if (auto* button = findChild<QPushButton*>(QLatin1String(c.object))) button->setText(text);
    }
    emit model_->headerDataChanged(Qt::Horizontal, 0, model_->columnCount() - 1);
    ShowCount();
}

void LibraryWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

LibraryWindow::~LibraryWindow() {
    // Waited for here, while the window the import reports to still exists.
    job_.reset();
}

void LibraryWindow::closeEvent(QCloseEvent* event) {
    KeepDetails();
    // What was committed stays; the batch under way is left out.
    job_.reset();
    SetImporting(false);
    CancelPick();
    event->accept();
}

bool LibraryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_PageDown) && model_->rowCount() > 0) {
            // From the search box into the results: the first one, or the one chosen before.
            if (!table_->currentIndex().isValid()) SelectRow(0);
            table_->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::vector<qint64> LibraryWindow::SelectedIds() const {
    std::vector<qint64> ids;
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    for (const QModelIndex& row : rows) ids.push_back(model_->IdAt(row.row()));
    return ids;
}

void LibraryWindow::SelectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const QModelIndex index = model_->index(row, LibraryModel::kName);
    table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->scrollTo(index);
}

void LibraryWindow::Refresh(qint64 keepId) {
    model_->Refresh();
    SelectRow(model_->RowOf(keepId));
}

void LibraryWindow::ShowCount() {
    if (!model_->failure().isEmpty()) {
        count_->setText(QCoreApplication::translate("velakor::LibraryWindow", "The search failed: ") + model_->failure());
        return;
    }
    const qint64 found = model_->rowCount();
    const qint64 all = model_->total();
    if (all < 0 || SearchWords(search_->text()).isEmpty()) {
        count_->setText(Charts(found));
    } else {
        count_->setText(QCoreApplication::translate("velakor::LibraryWindow", "%1 of %2 found").arg(found).arg(Charts(all)));
    }
}

std::optional<FormValues> LibraryWindow::CurrentChart() const {
    const QModelIndex current = table_->currentIndex();
    const qint64 id = current.isValid() ? model_->IdAt(current.row()) : 0;
    const auto chart = id ? library_.Chart(id) : std::nullopt;
    if (!chart) return std::nullopt;
    return FormValuesOf(chart->Values);
}

void LibraryWindow::PickChart(const QString& caption) {
    CancelPick();
    picking_ = true;
    pick_->setText(caption);
    pick_->show();
}

void LibraryWindow::CancelPick() {
    if (!picking_) return;
    picking_ = false;
    pick_->hide();
    emit pickCancelled();
}

void LibraryWindow::Choose() {
    if (!picking_) return OpenSelected();
    const auto values = CurrentChart();
    if (!values) return;
    picking_ = false;
    pick_->hide();
    emit chartPicked(*values);
}

void LibraryWindow::SelectionChanged() {
    // Left by the keyboard or the program, a chart keeps what was typed about it too.
    if (KeepDetails()) {
        const std::vector<qint64> ids = SelectedIds();
        const qint64 now = ids.size() == 1 ? ids.front() : 0;
        QMetaObject::invokeMethod(this, [this, now] { Refresh(now); }, Qt::QueuedConnection);
    }
    ShowDetails();
}

void LibraryWindow::ShowDetails() {
    const std::vector<qint64> ids = SelectedIds();
    detailsId_ = ids.size() == 1 ? ids.front() : 0;
    const auto chart = detailsId_ ? library_.Chart(detailsId_) : std::nullopt;
    const QString texts[] = {chart ? Q(chart->Values[kLineName]) : QString(),
                             chart ? Q(chart->Values[kLineCity]) : QString(),
                             chart ? Q(chart->Values[kLineState]) : QString(),
                             chart ? Q(chart->Values[kLineCountry]) : QString(), chart ? chart->Note : QString()};
    int i = 0;
    for (QLineEdit* b : {name_, city_, state_, country_, note_}) {
        b->setEnabled(chart.has_value());
        b->setText(texts[i++]);
        b->setModified(false);
    }
}

bool LibraryWindow::KeepDetails() {
    const bool placeTyped = name_->isModified() || city_->isModified() || state_->isModified() || country_->isModified();
    const bool noteTyped = note_->isModified();
    if (detailsId_ == 0 || (!placeTyped && !noteTyped)) return false;
    for (QLineEdit* b : {name_, city_, state_, country_, note_}) b->setModified(false);
    const qint64 id = detailsId_;
    const auto chart = library_.Chart(id);
    if (!chart) return false;

    bool kept = true;
    bool changed = false;
    if (placeTyped) {
        FormValues v = FormValuesOf(chart->Values);
        v.Name = name_->text().toStdString();
        v.City = city_->text().toStdString();
        v.State = state_->text().toStdString();
        v.Country = country_->text().toStdString();
        Program p;
        CopyFormToRecord(p, v);
        // The library keeps what a reading file keeps: say first what that would lose.
        const std::vector<LostCharacters> lost = FindLostCharacters(p.Birth);
        const CheckedReading reading = CheckBirthRecord(p.Birth);
        if (!lost.empty() && !AskQuestion(this, Q(LostCharactersQuestion(lost)))) {
            kept = false;
        } else if (!reading.ok()) {
            ShowMessage(this, Q(reading.Refusal), BoxIcon::Critical);
            kept = false;
        } else if (reading.Values != chart->Values) {
            switch (library_.SetValues(id, reading.Values)) {
                case LibraryChange::Done: changed = true; break;
                case LibraryChange::Duplicate:
                    ShowMessage(this,
                                QStringLiteral("Another chart in the library has this name, birth and place:\n") +
                                    BirthLine(reading.Values),
                                BoxIcon::Exclamation);
                    kept = false;
                    break;
                case LibraryChange::Failed:
                    ShowMessage(this,
                                QStringLiteral("The name and place could not be kept: %1\n\nWhat was typed: %2; %3; %4; %5")
                                    .arg(library_.lastError(), name_->text(), city_->text(), state_->text(),
                                         country_->text()),
                                BoxIcon::Critical);
                    kept = false;
                    break;
            }
        }
    }
    if (noteTyped && note_->text() != chart->Note && !library_.SetNote(id, note_->text())) {
        ShowMessage(this,
                    QStringLiteral("The note could not be kept: %1\n\nThe note typed: %2").arg(library_.lastError(), note_->text()),
                    BoxIcon::Critical);
        kept = false;
    }
    // The boxes never show what the library does not hold.
    if (!kept && detailsId_ == id) ShowDetails();
    return changed;
}

void LibraryWindow::DetailsEdited() {
    const qint64 id = detailsId_;
    if (KeepDetails()) Refresh(id);
}

void LibraryWindow::OpenSelected() {
    if (const auto values = CurrentChart()) emit chartChosen(*values);
}

void LibraryWindow::DeleteSelected() {
    const std::vector<qint64> ids = SelectedIds();
    if (ids.empty()) return;
    // Several people may share a name: the question says whose birth it is.
    constexpr std::size_t kListed = 10;
    QStringList births;
    for (std::size_t i = 0; i < ids.size() && i < kListed; ++i) {
        const auto chart = library_.Chart(ids[i]);
        if (!chart) return;
        births << BirthLine(chart->Values);
    }
    QString question;
    if (ids.size() == 1) {
        question = QCoreApplication::translate("velakor::LibraryWindow", "Delete the chart of %1 from the library?").arg(births.front());
    } else {
        question = QCoreApplication::translate("velakor::LibraryWindow", "Delete these %1 charts from the library?\n\n%2").arg(ids.size()).arg(births.join(QLatin1Char('\n')));
        if (ids.size() > kListed) question += QCoreApplication::translate("velakor::LibraryWindow", "\n... and %1 more").arg(ids.size() - kListed);
    }
    if (!AskQuestion(this, question)) return;
    detailsId_ = 0;
    if (!library_.Remove(ids))
        ShowMessage(this, QCoreApplication::translate("velakor::LibraryWindow", "The charts could not be deleted: ") + library_.lastError(), BoxIcon::Critical);
    model_->Refresh();
}

void LibraryWindow::ImportFiles() {
    CommonDialog cd(this);
    cd.Filter = QString::fromUtf8(kReadingFilter.data(), static_cast<qsizetype>(kReadingFilter.size()));
    cd.DefaultExt = QString::fromUtf8(kReadingExtension.data(), static_cast<qsizetype>(kReadingExtension.size()));
    cd.DialogTitle = QCoreApplication::translate("velakor::LibraryWindow", "Import readings into the library");
    cd.Flags = kFileMustExist | kHideReadOnly | kAllowMultiSelect;
    if (!cd.ShowOpen()) return;
    std::vector<std::filesystem::path> paths;
    for (const QString& name : cd.FileNames.isEmpty() ? QStringList{cd.FileName} : cd.FileNames) paths.push_back(PathOf(name));
    Import(paths);
}

void LibraryWindow::ImportFolder() {
    CommonDialog cd(this);
    cd.DialogTitle = QCoreApplication::translate("velakor::LibraryWindow", "Import a folder of readings into the library");
    if (!cd.ShowFolder()) return;
    Import({PathOf(cd.FileName)});
}

void LibraryWindow::Import(const std::vector<std::filesystem::path>& paths) {
    if (job_) return;
    KeepDetails();
    SetImporting(true);
    job_ = std::make_unique<ImportJob>(
        library_.path(), paths, this, [this](qsizetype read, qsizetype total) { ImportProgress(read, total); },
        [this](const ImportJob::Tally& tally) { ImportFinished(tally); });
}

void LibraryWindow::SetImporting(bool on) {
    for (QPushButton* b : importButtons_) b->setEnabled(!on);
    progress_->setVisible(on);
    cancelImport_->setVisible(on);
    cancelImport_->setEnabled(on);
    if (on) ImportProgress(0, 0);
}

void LibraryWindow::ImportProgress(qsizetype read, qsizetype total) {
    if (total == 0) {
        // Still looking through the folders: how many files there are is not known yet.
        progress_->setRange(0, 0);
        progress_->setFormat(QCoreApplication::translate("velakor::LibraryWindow", "Looking for readings..."));
        return;
    }
    progress_->setRange(0, static_cast<int>(std::min<qsizetype>(total, INT_MAX)));
    progress_->setValue(static_cast<int>(std::min<qsizetype>(read, INT_MAX)));
    progress_->setFormat(QCoreApplication::translate("velakor::LibraryWindow", "%1 of %2 files").arg(read).arg(total));
}

void LibraryWindow::ImportFinished(const ImportJob::Tally& tally) {
    job_.reset();
    SetImporting(false);
    Refresh(detailsId_);
    QStringList refused;
    for (const ImportedFile& f : tally.Refused) refused << QDir::toNativeSeparators(f.File) + QStringLiteral(": ") + f.Refusal;
    QString text = QCoreApplication::translate("velakor::LibraryWindow", "Added to the library: %1\nAlready in the library: %2\nRefused: %3")
                       .arg(tally.Added)
                       .arg(tally.Duplicates)
                       .arg(refused.size());
    if (!refused.isEmpty()) {
        text += QStringLiteral("\n\n") + refused.mid(0, kListedRefusals).join(QLatin1Char('\n'));
        if (refused.size() > kListedRefusals) text += QCoreApplication::translate("velakor::LibraryWindow", "\n... and %1 more").arg(refused.size() - kListedRefusals);
    }
    if (tally.End == ImportEnd::Cancelled) text += QCoreApplication::translate("velakor::LibraryWindow", "\n\nThe import was cancelled: the files not counted here were not imported.");
    if (tally.End == ImportEnd::Failed) text += QCoreApplication::translate("velakor::LibraryWindow", "\n\nThe import stopped: ") + tally.Failure;
    const bool clean = tally.End == ImportEnd::Done && refused.isEmpty();
    ShowMessage(this, text, clean ? BoxIcon::Information : BoxIcon::Exclamation);
}

void LibraryWindow::ExportSelected() {
    const std::vector<qint64> ids = SelectedIds();
    if (ids.empty()) return;
    CommonDialog cd(this);
    cd.Kind = FileKind::LibraryExports;
    cd.DialogTitle = QCoreApplication::translate("velakor::LibraryWindow", "Export the charts as readings into a folder");
    if (!cd.ShowFolder()) return;
    const QDir folder(cd.FileName);
    int written = 0;
    for (const qint64 id : ids) {
        const auto chart = library_.Chart(id);
        const auto bytes = library_.ReadingFile(id);
        if (!chart || !bytes) continue;
        const QString name = FreeReadingName(folder, Q(chart->Values[kLineName]));
        const QString reason = ReplaceFileWhole(name, *bytes);
        if (!reason.isEmpty()) {
            ShowMessage(this, QString::fromUtf8(kSaveFailedMessage.data(), static_cast<qsizetype>(kSaveFailedMessage.size())) +
                                  name + QLatin1Char('\n') + reason + QLatin1Char('.'),
                        BoxIcon::Critical);
            return;
        }
        ++written;
    }
    const QString what = written == 1 ? QStringLiteral("1 reading") : QStringLiteral("%1 readings").arg(written);
    ShowMessage(this, what + QStringLiteral(" written into ") + QDir::toNativeSeparators(folder.path()),
                BoxIcon::Information);
}

}  // namespace velakor
