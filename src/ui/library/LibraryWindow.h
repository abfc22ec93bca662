// The chart library's window: a search box over a sortable table of every chart kept, and
// the commands Open, Delete, Import (files or a folder) and Export.
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QWidget>
#include <vector>

#include "app/Calculation.h"
#include "library/ChartLibrary.h"

class QLineEdit;
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
    void Refresh();
    qint64 IdAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    const LibraryChart* ChartAt(int row) const;

    ChartLibrary& library_;
    QString search_;
    LibrarySort sort_ = LibrarySort::Name;
    bool descending_ = false;
    std::vector<qint64> ids_;
    mutable QHash<qint64, LibraryChart> shown_;  // rows read so far
};

class LibraryWindow : public QWidget {
    Q_OBJECT
public:
    explicit LibraryWindow(ChartLibrary& library, QWidget* parent = nullptr);

    LibraryModel* model() const { return model_; }
    QTableView* table() const { return table_; }

    void OpenSelected();
    void DeleteSelected();
    void ImportFiles();
    void ImportFolder();
    void ExportSelected();

signals:
    // A chart to be shown in the chart window, as a reading opened from a file would be.
    void chartChosen(const velakor::FormValues& values);

private:
    std::vector<qint64> SelectedIds() const;
    void Import(const QStringList& paths);
    void ShowNote();
    void KeepNote();

    ChartLibrary& library_;
    LibraryModel* model_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit* note_ = nullptr;
    qint64 noteId_ = 0;
};

}  // namespace velakor
