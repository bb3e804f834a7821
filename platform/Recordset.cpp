#include "Recordset.h"

namespace platform {

QString QuoteIdentifier(const QString& name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

namespace {

// A record set for changing reads the row id as a hidden first column, so that
// Update and Delete find exactly the row that was read, even when the table
// has no key or the key itself is changed; Fields never shows it.
const QString kRowIdSelect = QStringLiteral("select rowid as \"__rowid\", ");

const QString kOneTableOnly = QStringLiteral("只能修改单个表的记录。");

// Where the column list of a query starting with "select" begins; -1 for any other query.
int ColumnListStart(const QString& sql) {
    int i = 0;
    while (i < sql.size() && sql.at(i).isSpace()) ++i;
    if (QStringView(sql).mid(i, 6).compare(QLatin1String("select"), Qt::CaseInsensitive) != 0) return -1;
    int list = i + 6;
    if (list >= sql.size() || !sql.at(list).isSpace()) return -1;
    while (list < sql.size() && sql.at(list).isSpace()) ++list;
    return list;
}

}  // namespace

void Recordset::Open(const QString& sql, const QString& connString, LockType lock, const QVariantList& params) {
    Open(sql, Connection::open(connString), lock, params);
}

void Recordset::Open(const QString& sql, ConnectionPtr conn, LockType lock, const QVariantList& params) {
    Close();
    conn_ = std::move(conn);
    lock_ = lock;
    const std::unique_ptr<Statement> opened =
        lock == LockType::Pessimistic ? openWritable(sql, params) : std::make_unique<Statement>(*conn_, sql, params);
    Statement& st = *opened;
    const int first = lock == LockType::Pessimistic ? 1 : 0;
    const int n = st.columnCount();
    for (int i = first; i < n; ++i) {
        names_ << st.columnName(i);
        origins_ << st.columnOrigin(i);
        index_.insert(st.columnName(i).toLower(), i - first);
    }
    while (st.next()) {
        QVector<QVariant> row;
        row.reserve(n - first);
        for (int i = first; i < n; ++i) row.append(st.value(i));
        rows_.append(std::move(row));
        if (first) rowIds_.append(st.value(0).toLongLong());
    }
    pos_ = 0;
    open_ = true;
}

std::unique_ptr<Statement> Recordset::openWritable(const QString& sql, const QVariantList& params) {
    std::unique_ptr<Statement> st;
    const int list = ColumnListStart(sql);
    try {
        if (list >= 0) st = std::make_unique<Statement>(*conn_, kRowIdSelect + sql.mid(list), params);
    } catch (const DbError&) {
        // A row id that is ambiguous or missing: a join, a compound or a sub-select. Said below.
    }
    if (!st) {
        Statement plain(*conn_, sql, params);  // a query that cannot run at all says why
        throw DbError(kOneTableOnly);
    }
    // The row id is the table's own (a sub-select or an expression has none of
    // its own to write by), and every field read from a table is read from that one.
    const QString database = st->columnDatabase(0);
    const QString table = st->columnTable(0);
    if (table.isEmpty()) throw DbError(kOneTableOnly);
    for (int i = 1; i < st->columnCount(); ++i) {
        if (st->columnTable(i).isEmpty()) continue;  // computed: read, never written
        if (st->columnTable(i) != table || st->columnDatabase(i) != database) throw DbError(kOneTableOnly);
    }
    table_ = QuoteIdentifier(database) + QLatin1Char('.') + QuoteIdentifier(table);
    return st;
}

void Recordset::Close() {
    if (editing_ != Edit::None) CancelUpdate();
    conn_.reset();
    open_ = false;
    table_.clear();
    names_.clear();
    origins_.clear();
    index_.clear();
    rows_.clear();
    rowIds_.clear();
    pos_ = 0;
}

void Recordset::MoveFirst() { pos_ = 0; }
void Recordset::MoveNext() {
    if (pos_ < rows_.size()) ++pos_;
}
void Recordset::MoveLast() { pos_ = rows_.isEmpty() ? 0 : rows_.size() - 1; }

bool Recordset::HasField(const QString& name) const { return index_.contains(name.toLower()); }

int Recordset::column(const QString& name) const {
    const auto it = index_.constFind(name.toLower());
    if (it == index_.constEnd()) throw DbError(QStringLiteral("记录集中没有字段“%1”。").arg(name));
    return *it;
}

void Recordset::requireRow() const {
    if (editing_ == Edit::Adding) return;
    if (pos_ < 0 || pos_ >= rows_.size()) throw DbError(QStringLiteral("没有当前记录。"));
}

void Recordset::requireWritable() const {
    if (!open_ || lock_ != LockType::Pessimistic) throw DbError(QStringLiteral("记录集是只读的。"));
}

QVariant Recordset::Fields(const QString& name) const { return Fields(column(name)); }

QVariant Recordset::Fields(int index) const {
    if (index < 0 || index >= names_.size()) throw DbError(QStringLiteral("字段序号超出范围。"));
    if (editing_ != Edit::None && touched_.value(index)) return buffer_.at(index);
    if (editing_ == Edit::Adding) return {};
    requireRow();
    return rows_.at(pos_).at(index);
}

void Recordset::SetField(const QString& name, const QVariant& value) {
    requireWritable();
    const int c = column(name);
    if (editing_ == Edit::None) {
        requireRow();
        editing_ = Edit::Changing;
        buffer_ = rows_.at(pos_);
        touched_.fill(false, names_.size());
    }
    buffer_[c] = value;
    touched_[c] = true;
}

void Recordset::AddNew() {
    requireWritable();
    if (editing_ != Edit::None) CancelUpdate();
    editing_ = Edit::Adding;
    buffer_ = QVector<QVariant>(names_.size());
    touched_.fill(false, names_.size());
}

void Recordset::CancelUpdate() {
    editing_ = Edit::None;
    buffer_.clear();
    touched_.clear();
}

void Recordset::Update() {
    requireWritable();
    if (editing_ == Edit::None) return;
    QStringList cols;
    QVariantList values;
    for (int i = 0; i < names_.size(); ++i) {
        if (!touched_.at(i)) continue;
        if (origins_.at(i).isEmpty()) throw DbError(QStringLiteral("字段“%1”是计算出来的，不能修改。").arg(names_.at(i)));
        cols << QuoteIdentifier(origins_.at(i));
        values << buffer_.at(i);
    }
    Transaction tx(*conn_);
    if (editing_ == Edit::Adding) {
        QString sql;
        if (cols.isEmpty()) {
            sql = QStringLiteral("insert into %1 default values").arg(table_);
        } else {
            QStringList marks;
            for (int i = 0; i < cols.size(); ++i) marks << QStringLiteral("?");
            sql = QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(table_, cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        }
        conn_->execute(sql, values);
        const qint64 id = conn_->lastInsertRowId();
        tx.commit();
        // The new row becomes the current row, read back as stored.
        Statement st(*conn_, QStringLiteral("select * from %1 where rowid=?").arg(table_), {id});
        QVector<QVariant> row(names_.size());
        if (st.next()) {
            for (int i = 0; i < st.columnCount(); ++i)
                for (int field = 0; field < origins_.size(); ++field)
                    if (origins_.at(field).compare(st.columnName(i), Qt::CaseInsensitive) == 0) row[field] = st.value(i);
        }
        rows_.append(row);
        rowIds_.append(id);
        pos_ = rows_.size() - 1;
    } else {
        if (!cols.isEmpty()) {
            QStringList sets;
            for (const QString& c : cols) sets << c + QStringLiteral("=?");
            values << rowIds_.at(pos_);
            conn_->execute(QStringLiteral("update %1 set %2 where rowid=?").arg(table_, sets.join(QLatin1Char(','))),
                           values);
        }
        tx.commit();
        rows_[pos_] = buffer_;
    }
    CancelUpdate();
}

void Recordset::Delete() {
    requireWritable();
    if (editing_ != Edit::None) CancelUpdate();
    requireRow();
    Transaction tx(*conn_);
    conn_->execute(QStringLiteral("delete from %1 where rowid=?").arg(table_), {rowIds_.at(pos_)});
    tx.commit();
    rows_.remove(pos_);
    rowIds_.remove(pos_);
}

}  // namespace platform
