#include "ui/library/LibraryWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "io/gui/FileReplace.h"
#include "library/LibraryImport.h"
#include "library/ReadingCheck.h"
#include "ui/dialogs/Seams.h"

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

}  // namespace

LibraryModel::LibraryModel(ChartLibrary& library, QObject* parent) : QAbstractTableModel(parent), library_(library) {
    Refresh();
}

void LibraryModel::SetSearch(const QString& text) {
    search_ = text;
    Refresh();
}

void LibraryModel::Refresh() {
    beginResetModel();
    ids_ = library_.Search(search_, sort_, descending_);
    shown_.clear();
    endResetModel();
}

qint64 LibraryModel::IdAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < ids_.size() ? ids_[static_cast<std::size_t>(row)] : 0;
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
        case kName: return QStringLiteral("Name");
        case kBirth: return QStringLiteral("Date and Time of Birth");
        case kPlace: return QStringLiteral("Place");
        default: return {};
    }
}

void LibraryModel::sort(int column, Qt::SortOrder order) {
    sort_ = column == kBirth ? LibrarySort::Birth : (column == kPlace ? LibrarySort::Place : LibrarySort::Name);
    descending_ = order == Qt::DescendingOrder;
    Refresh();
}

LibraryWindow::LibraryWindow(ChartLibrary& library, QWidget* parent)
    : QWidget(parent, Qt::Window), library_(library) {
    setObjectName(QStringLiteral("LibraryWindow"));
    setWindowTitle(QStringLiteral("Chart Library - Velakor"));
    setAttribute(Qt::WA_DeleteOnClose);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("txtSearch"));
    search_->setPlaceholderText(QStringLiteral("Name, city, state or country"));
    search_->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
    searchLabel->setBuddy(search_);

    model_ = new LibraryModel(library_, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tblCharts"));
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

    note_ = new QLineEdit(this);
    note_->setObjectName(QStringLiteral("txtNote"));
    note_->setEnabled(false);
    auto* noteLabel = new QLabel(QStringLiteral("N&ote:"), this);
    noteLabel->setBuddy(note_);

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* open = button("cmdOpenChart", "&Open");
    QPushButton* remove = button("cmdDelete", "&Delete");
    QPushButton* importFiles = button("cmdImportFiles", "&Import Files...");
    QPushButton* importFolder = button("cmdImportFolder", "Import &Folder...");
    QPushButton* exportCharts = button("cmdExport", "&Export...");
    QPushButton* close = button("cmdClose", "&Close");

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(noteLabel);
    noteRow->addWidget(note_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {open, remove, importFiles, importFolder, exportCharts}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(table_, 1);
    layout->addLayout(noteRow);
    layout->addLayout(buttons);
    resize(720, 480);

    connect(search_, &QLineEdit::textChanged, model_, &LibraryModel::SetSearch);
    connect(table_, &QTableView::activated, this, &LibraryWindow::OpenSelected);
    connect(open, &QPushButton::clicked, this, &LibraryWindow::OpenSelected);
    connect(remove, &QPushButton::clicked, this, &LibraryWindow::DeleteSelected);
    connect(importFiles, &QPushButton::clicked, this, &LibraryWindow::ImportFiles);
    connect(importFolder, &QPushButton::clicked, this, &LibraryWindow::ImportFolder);
    connect(exportCharts, &QPushButton::clicked, this, &LibraryWindow::ExportSelected);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &LibraryWindow::ShowNote);
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, &LibraryWindow::KeepNote);
    connect(model_, &QAbstractItemModel::modelReset, this, &LibraryWindow::ShowNote);
    connect(note_, &QLineEdit::editingFinished, this, &LibraryWindow::KeepNote);
    search_->setFocus();
}

std::vector<qint64> LibraryWindow::SelectedIds() const {
    std::vector<qint64> ids;
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    for (const QModelIndex& row : rows) ids.push_back(model_->IdAt(row.row()));
    return ids;
}

void LibraryWindow::ShowNote() {
    const std::vector<qint64> ids = SelectedIds();
    noteId_ = ids.size() == 1 ? ids.front() : 0;
    const auto chart = noteId_ ? library_.Chart(noteId_) : std::nullopt;
    note_->setEnabled(chart.has_value());
    note_->setText(chart ? chart->Note : QString());
}

void LibraryWindow::KeepNote() {
    if (noteId_ == 0 || !note_->isModified()) return;
    note_->setModified(false);
    if (!library_.SetNote(noteId_, note_->text()))
        ShowMessage(this, QStringLiteral("The note could not be kept: ") + library_.lastError(), BoxIcon::Critical);
}

void LibraryWindow::OpenSelected() {
    const QModelIndex current = table_->currentIndex();
    const qint64 id = current.isValid() ? model_->IdAt(current.row()) : 0;
    const auto chart = id ? library_.Chart(id) : std::nullopt;
    if (!chart) return;
    emit chartChosen(FormValuesOf(chart->Values));
}

void LibraryWindow::DeleteSelected() {
    const std::vector<qint64> ids = SelectedIds();
    if (ids.empty()) return;
    QString question;
    if (ids.size() == 1) {
        const auto chart = library_.Chart(ids.front());
        if (!chart) return;
        question = QStringLiteral("Delete the chart of %1 from the library?").arg(Q(chart->Values[kLineName]));
    } else {
        question = QStringLiteral("Delete these %1 charts from the library?").arg(ids.size());
    }
    if (!AskQuestion(this, question)) return;
    noteId_ = 0;
    if (!library_.Remove(ids))
        ShowMessage(this, QStringLiteral("The charts could not be deleted: ") + library_.lastError(), BoxIcon::Critical);
    model_->Refresh();
}

void LibraryWindow::ImportFiles() {
    CommonDialog cd(this);
    cd.Filter = QString::fromUtf8(kReadingFilter.data(), static_cast<qsizetype>(kReadingFilter.size()));
    cd.DefaultExt = QString::fromUtf8(kReadingExtension.data(), static_cast<qsizetype>(kReadingExtension.size()));
    cd.DialogTitle = QStringLiteral("Import readings into the library");
    cd.Flags = kFileMustExist | kHideReadOnly | kAllowMultiSelect;
    if (!cd.ShowOpen()) return;
    Import(cd.FileNames.isEmpty() ? QStringList{cd.FileName} : cd.FileNames);
}

void LibraryWindow::ImportFolder() {
    CommonDialog cd(this);
    cd.DialogTitle = QStringLiteral("Import a folder of readings into the library");
    if (!cd.ShowFolder()) return;
    Import({cd.FileName});
}

void LibraryWindow::Import(const QStringList& paths) {
    int added = 0, there = 0;
    QStringList refused;
    // A practice's thousands of readings take a second or two.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ImportReadingFiles(library_, ReadingFilesUnder(paths), [&](const std::vector<ImportedFile>& batch) {
        for (const ImportedFile& f : batch) {
            if (!f.Added) {
                refused << QDir::toNativeSeparators(f.File) + QStringLiteral(": ") + f.Refusal;
            } else {
                ++(f.Added->Duplicate ? there : added);
            }
        }
    });
    model_->Refresh();
    QApplication::restoreOverrideCursor();
    QString text = QStringLiteral("Added to the library: %1\nAlready in the library: %2\nRefused: %3")
                       .arg(added)
                       .arg(there)
                       .arg(refused.size());
    if (!refused.isEmpty()) {
        text += QStringLiteral("\n\n") + refused.mid(0, kListedRefusals).join(QLatin1Char('\n'));
        if (refused.size() > kListedRefusals) text += QStringLiteral("\n... and %1 more").arg(refused.size() - kListedRefusals);
    }
    if (!ok) text += QStringLiteral("\n\nThe import stopped: ") + library_.lastError();
    ShowMessage(this, text, ok && refused.isEmpty() ? BoxIcon::Information : BoxIcon::Exclamation);
}

void LibraryWindow::ExportSelected() {
    const std::vector<qint64> ids = SelectedIds();
    if (ids.empty()) return;
    CommonDialog cd(this);
    cd.Kind = FileKind::LibraryExports;
    cd.DialogTitle = QStringLiteral("Export the charts as readings into a folder");
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
