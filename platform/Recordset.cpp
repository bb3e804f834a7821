#include "Recordset.h"

#include <QRegularExpression>

namespace platform {

QString QuoteIdentifier(const QString& name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

namespace {

// The single table a "select ... from <table> ..." reads; empty when it is not that simple.
// Only such a query can be written back: Update and Delete need the one table
// a row came from, and a join or a sub-select has none.
QString tableOf(const QString& sql) {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*select\s+.+?\s+from\s+("[^"]+"|\[[^\]]+\]|[^\s,()]+)\s*(where\b|order\b|limit\b|$))"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(sql);
    if (!m.hasMatch()) return {};
    QString t = m.captured(1);
    if ((t.startsWith('"') && t.endsWith('"')) || (t.startsWith('[') && t.endsWith(']'))) t = t.mid(1, t.size() - 2);
    return t;
}

}  // namespace

void Recordset::Open(const QString& sql, const QString& connString, LockType lock, const QVariantList& params) {
    Open(sql, Connection::open(connString), lock, params);
}

void Recordset::Open(const QString& sql, ConnectionPtr conn, LockType lock, const QVariantList& params) {
    Close();
    conn_ = std::move(conn);
    lock_ = lock;
    QString text = sql;
    if (lock == LockType::Pessimistic) {
        table_ = tableOf(sql);
        if (table_.isEmpty()) throw DbError(QStringLiteral("只能修改单个表的记录。"));
        // The row id lets Update and Delete find exactly the row that was read,
        // even when the table has no key or the key itself is changed; it rides
        // along as a hidden first column that Fields never shows.
        static const QRegularExpression sel(QStringLiteral(R"(^\s*select\s+)"), QRegularExpression::CaseInsensitiveOption);
        text.replace(sel, QStringLiteral("select rowid as \"__rowid\", "));
    }
    Statement st(*conn_, text, params);
    const int first = lock == LockType::Pessimistic ? 1 : 0;
    const int n = st.columnCount();
    for (int i = first; i < n; ++i) {
        names_ << st.columnName(i);
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

void Recordset::Close() {
    if (editing_ != Edit::None) CancelUpdate();
    conn_.reset();
    open_ = false;
    table_.clear();
    names_.clear();
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
        cols << QuoteIdentifier(names_.at(i));
        values << buffer_.at(i);
    }
    Transaction tx(*conn_);
    if (editing_ == Edit::Adding) {
        QString sql;
        if (cols.isEmpty()) {
            sql = QStringLiteral("insert into %1 default values").arg(QuoteIdentifier(table_));
        } else {
            QStringList marks;
            for (int i = 0; i < cols.size(); ++i) marks << QStringLiteral("?");
            sql = QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(QuoteIdentifier(table_), cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        }
        conn_->execute(sql, values);
        const qint64 id = conn_->lastInsertRowId();
        tx.commit();
        // The new row becomes the current row, read back as stored.
        Statement st(*conn_, QStringLiteral("select * from %1 where rowid=?").arg(QuoteIdentifier(table_)), {id});
        QVector<QVariant> row(names_.size());
        if (st.next()) {
            for (int i = 0; i < st.columnCount(); ++i) {
                const auto it = index_.constFind(st.columnName(i).toLower());
                if (it != index_.constEnd()) row[*it] = st.value(i);
            }
        }
        rows_.append(row);
        rowIds_.append(id);
        pos_ = rows_.size() - 1;
    } else {
        if (!cols.isEmpty()) {
            QStringList sets;
            for (const QString& c : cols) sets << c + QStringLiteral("=?");
            values << rowIds_.at(pos_);
            conn_->execute(QStringLiteral("update %1 set %2 where rowid=?").arg(QuoteIdentifier(table_), sets.join(QLatin1Char(','))),
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
    conn_->execute(QStringLiteral("delete from %1 where rowid=?").arg(QuoteIdentifier(table_)), {rowIds_.at(pos_)});
    tx.commit();
    rows_.remove(pos_);
    rowIds_.remove(pos_);
}

}  // namespace platform
