// The chart library's window: a search box over a sortable table of every chart kept, the
// count of the charts found, the selected chart's name, place and note to edit, and the
// commands Open, Delete, Import (files or a folder, on a thread of its own with a progress
// bar and Cancel) and Export. Another window may ask it for a chart (PickChart).
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "app/Calculation.h"
#include "library/ChartLibrary.h"
#include "library/ImportJob.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace velakor {

// The rows of a search, read from the database only when a row is shown: a library of a
// hundred thousand charts opens as fast as one of ten.
class LibraryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kName, kBirth, kPlace, kColumnCount };
    explicit LibraryModel(ChartLibrary& library, QObject* parent = nullptr);

    // Searches again (text as the search box holds it), keeping the order chosen.
    void SetSearch(const QString& text);
    // Reads the rows again after the library changed.
    void Refresh();
    qint64 IdAt(int row) const;
    // The row of the chart in the rows found, or -1.
    int RowOf(qint64 id) const;
    // Why the last search found nothing because the database failed; empty when it did not.
    QString failure() const { return failure_; }
    // The charts in the library, found or not; -1 when they could not be counted.
    qint64 total() const { return total_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    // The rows are about to be read again: whatever was typed about a row is kept first.
    void aboutToRefresh();

private:
    const LibraryChart* ChartAt(int row) const;
    // Searches; the library's own count is read again only when it may have changed.
    void Reload(bool libraryChanged);

    ChartLibrary& library_;
    QString search_;
    LibrarySort sort_ = LibrarySort::Name;
    bool descending_ = false;
    std::vector<qint64> ids_;
    QString failure_;
    qint64 total_ = -1;
    mutable QHash<qint64, LibraryChart> shown_;  // rows read so far
};

class LibraryWindow : public QWidget {
    Q_OBJECT
public:
    explicit LibraryWindow(ChartLibrary& library, QWidget* parent = nullptr);
    ~LibraryWindow() override;

    LibraryModel* model() const { return model_; }
    QTableView* table() const { return table_; }

    void OpenSelected();
    void DeleteSelected();
    void ImportFiles();
    void ImportFolder();
    void ExportSelected();
    // Imports the files and folders on the import's own thread; the window stays in use and
    // says what came of it at the end. One import at a time.
    void Import(const std::vector<std::filesystem::path>& paths);
    bool importing() const { return job_ != nullptr; }

    // The chart of the current row, as the form would hold it; nothing when no row is chosen.
    std::optional<FormValues> CurrentChart() const;
    // Another window asks for a chart (a partner to match): a button of that caption appears,
    // and the chart then chosen with it (or Enter, or a double click) goes to chartPicked
    // instead of being opened. Closing the window or CancelPick gives the request up
    // (pickCancelled). Show the window after asking.
    void PickChart(const QString& caption);
    void CancelPick();

signals:
    // A chart to be shown in the chart window, as a reading opened from a file would be.
    void chartChosen(const velakor::FormValues& values);
    // The chart asked for by PickChart.
    void chartPicked(const velakor::FormValues& values);
    void pickCancelled();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The captions follow the interface's language.
    void changeEvent(QEvent* event) override;

private:
    // Sets every caption, the headers and the count in the interface's language.
    void Retranslate();
    std::vector<qint64> SelectedIds() const;
    // Reads the rows again and chooses the chart again where it still is.
    void Refresh(qint64 keepId);
    void SelectRow(int row);
    void ShowCount();
    void SelectionChanged();
    // The selected chart's name, place and note into their boxes (empty and disabled unless
    // one chart is selected).
    void ShowDetails();
    // Keeps what was typed into those boxes; true when the table must be read again (a name
    // or place changed). Anything not kept is said, and the boxes show the library again.
    bool KeepDetails();
    void DetailsEdited();
    void ImportProgress(qsizetype read, qsizetype total);
    void ImportFinished(const ImportJob::Tally& tally);
    void SetImporting(bool on);
    void Choose();

    ChartLibrary& library_;
    LibraryModel* model_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLabel* count_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* city_ = nullptr;
    QLineEdit* state_ = nullptr;
    QLineEdit* country_ = nullptr;
    QLineEdit* note_ = nullptr;
    qint64 detailsId_ = 0;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancelImport_ = nullptr;
    std::vector<QPushButton*> importButtons_;
    QPushButton* pick_ = nullptr;
    bool picking_ = false;
    std::unique_ptr<ImportJob> job_;
};

}  // namespace velakor
