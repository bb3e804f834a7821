// Data-source control: a connection string, a record source and Refresh.
// Grids bind to its model, which shows the query's own column names as headers.
#pragma once

#include "Database.h"
#include "Query.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace platform {

// The rows of one query, shown through a window: the exact count and the
// blocks of rows around what is shown, fetched as they are asked for. A query
// whose order the database must sort for (no index gives it) is read whole,
// as a grid shows every row of it anyway. The count reads the query's
// selection without its order, so it sorts nothing. Texts are held compactly:
// one UTF-8 arena and offsets per block.
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

    // A row not held is fetched with its block; a block that cannot be read shows empty texts.
    QString text(int row, int col) const;
    bool isNull(int row, int col) const;
    QStringList columnNames() const { return names_; }
    int columnIndex(const QString& name) const;

    // Replaces the contents with the rows of the query. A query that cannot
    // run throws DbError and leaves the contents as they were.
    void open(const ConnectionPtr& conn, const Query& query);
    // Replaces the contents with every row of the statement.
    void load(Statement& st);
    void clear();

    // Calls visit with the texts of the rows first..last in order, read straight
    // from the query: a walk over every row keeps one row at a time. Throws DbError.
    void scan(int first, int last, const std::function<void(int row, const QStringList& texts)>& visit) const;

    // Rows per fetched block: a few screens.
    static constexpr int kBlockRows = 128;

private:
    struct Block {
        int rows = 0;
        std::string arena;
        std::vector<quint32> offsets{0};  // rows*cols + 1 entries; cell i is [offsets[i], offsets[i+1])
        std::vector<bool> nulls;
        quint64 used = 0;  // when it was last read, for letting the oldest go
        void appendRow(Statement& st, int cols);  // the statement's current row
        void read(Statement& st, int cols, int limit);  // rows of the statement until it has limit rows
    };
    const Block* block(int row, int* inBlock) const;
    void replace(QStringList names, int rows, Block first, int blockRows, ConnectionPtr conn, QString windowSql,
                 QVariantList params);

    QStringList names_;
    int rows_ = 0;
    int blockRows_ = kBlockRows;  // rows of block k: [k*blockRows_, (k+1)*blockRows_)
    mutable std::map<int, Block> blocks_;
    mutable quint64 clock_ = 0;
    // Where further blocks come from; none when every row is held.
    ConnectionPtr conn_;
    QString windowSql_;  // the query with "limit ? offset ?"
    QVariantList params_;
    QHash<QPair<int, int>, QVariant> headers_;  // (column, role) → value set in place of the query's
};

class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);

    QString ConnectionString;
    int CommandType = 1;  // text
    Query RecordSource;   // the query, its order and its values

    // Re-runs the record source. A query that cannot run throws DbError and keeps
    // the rows it had; one that breaks off while its rows are read leaves none.
    void Refresh();
    // Runs source as the new record source, which it becomes only once the
    // query ran: after a DbError the control keeps the old one.
    void Refresh(const Query& source);
    int RecordCount() const { return model_->rowCount(); }
    RecordModel* model() const { return model_; }

signals:
    void refreshed();

private:
    RecordModel* model_;
};

}  // namespace platform
