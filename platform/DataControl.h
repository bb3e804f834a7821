// Data-source control: a connection string, a record source and Refresh.
// Grids bind to its model, which shows the query's own column names as headers.
#pragma once

#include "Database.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QObject>
#include <QStringList>

#include <string>
#include <vector>

namespace platform {

// All rows of one query held compactly: one UTF-8 arena and offsets, so a
// grid of a hundred thousand employees stays small and refreshes quickly.
class RecordModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A column header's text or alignment in place of the query's; a null value gives it back.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override;

    QString text(int row, int col) const;
    bool isNull(int row, int col) const;
    QStringList columnNames() const { return names_; }
    int columnIndex(const QString& name) const;

    // Replaces the contents with the rows of the statement.
    void load(Statement& st);
    void clear();

private:
    QStringList names_;
    int rows_ = 0;
    std::string arena_;
    std::vector<quint32> offsets_;  // rows*cols + 1 entries; cell i is [offsets_[i], offsets_[i+1])
    std::vector<bool> nulls_;
    QHash<QPair<int, int>, QVariant> headers_;  // (column, role) → value set in place of the query's
};

class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);

    QString ConnectionString;
    int CommandType = 1;  // text
    QString RecordSource;
    QVariantList Parameters;  // values for the ? marks of RecordSource

    // Re-runs the record source. A query that cannot run throws DbError and keeps
    // the rows it had; one that breaks off while its rows are read leaves none.
    void Refresh();
    int RecordCount() const { return model_->rowCount(); }
    RecordModel* model() const { return model_; }

signals:
    void refreshed();

private:
    RecordModel* model_;
};

}  // namespace platform
