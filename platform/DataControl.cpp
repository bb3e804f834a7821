#include "DataControl.h"

#include <algorithm>
#include <climits>
#include <memory>

namespace platform {

namespace {

// Blocks held at most: the screens around the shown rows, a few thousand rows in all.
constexpr std::size_t kMaxBlocks = 40;

// Whether the windowed query hands out its rows as it reads them: no sort or
// other temporary table stands before its first row, so a block costs no
// more than reading up to it.
bool ReadsInOrder(Connection& conn, const QString& windowSql, const QVariantList& params) {
    Statement plan(conn, QStringLiteral("explain query plan ") + windowSql, params);
    while (plan.next())
        if (plan.value(3).toString().contains(QLatin1String("TEMP B-TREE"), Qt::CaseInsensitive)) return false;
    return true;
}

QVariantList WindowParams(const QVariantList& params, int rows, int offset) {
    QVariantList all = params;
    all << rows << offset;
    return all;
}

}  // namespace

void RecordModel::Block::appendRow(Statement& st, int cols) {
    for (int c = 0; c < cols; ++c) {
        int len = 0;
        const char* p = st.rawText(c, &len);  // no text at all for a Null
        if (p && len) arena.append(p, static_cast<size_t>(len));
        if (arena.size() > 0xFFFFFFF0u) throw DbError(QStringLiteral("查询结果太大，无法显示。"));
        offsets.push_back(static_cast<quint32>(arena.size()));
        nulls.push_back(p == nullptr);
    }
    ++rows;
}

void RecordModel::Block::read(Statement& st, int cols, int limit) {
    while (rows < limit && st.next()) appendRow(st, cols);
}

int RecordModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int RecordModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : names_.size(); }

const RecordModel::Block* RecordModel::block(int row, int* inBlock) const {
    if (row < 0 || row >= rows_) return nullptr;
    const int k = row / blockRows_;
    *inBlock = row - k * blockRows_;
    auto it = blocks_.find(k);
    if (it == blocks_.end()) {
        if (!conn_) return nullptr;
        Block b;
        try {
            Statement st(*conn_, windowSql_, WindowParams(params_, blockRows_, k * blockRows_));
            b.read(st, names_.size(), blockRows_);
        } catch (const DbError&) {
            return nullptr;  // shown empty; asked again when next shown
        }
        if (blocks_.size() >= kMaxBlocks)
            blocks_.erase(std::min_element(blocks_.begin(), blocks_.end(),
                                           [](const auto& a, const auto& b) { return a.second.used < b.second.used; }));
        it = blocks_.emplace(k, std::move(b)).first;
    }
    it->second.used = ++clock_;
    return *inBlock < it->second.rows ? &it->second : nullptr;
}

QString RecordModel::text(int row, int col) const {
    int r = 0;
    const Block* b = col >= 0 && col < names_.size() ? block(row, &r) : nullptr;
    if (!b) return {};
    const size_t i = static_cast<size_t>(r) * names_.size() + col;
    return QString::fromUtf8(b->arena.data() + b->offsets[i], static_cast<qsizetype>(b->offsets[i + 1] - b->offsets[i]));
}

bool RecordModel::isNull(int row, int col) const {
    int r = 0;
    const Block* b = col >= 0 && col < names_.size() ? block(row, &r) : nullptr;
    if (!b) return true;
    return b->nulls[static_cast<size_t>(r) * names_.size() + col];
}

int RecordModel::columnIndex(const QString& name) const {
    for (int i = 0; i < names_.size(); ++i)
        if (names_.at(i).compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant RecordModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return text(index.row(), index.column());
    return {};
}

QVariant RecordModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    const auto set = headers_.constFind({section, role});
    if (set != headers_.constEnd()) return *set;
    if (role == Qt::DisplayRole) return names_.value(section);
    return {};
}

bool RecordModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= names_.size()) return false;
    if (value.isValid())
        headers_.insert({section, role}, value);
    else if (!headers_.remove({section, role}))
        return true;
    emit headerDataChanged(orientation, section, section);
    return true;
}

void RecordModel::clear() { replace({}, 0, Block(), kBlockRows, nullptr, QString(), {}); }

void RecordModel::replace(QStringList names, int rows, Block first, int blockRows, ConnectionPtr conn,
                          QString windowSql, QVariantList params) {
    beginResetModel();
    names_ = std::move(names);
    rows_ = rows;
    blockRows_ = blockRows;
    blocks_.clear();
    if (rows > 0) blocks_.emplace(0, std::move(first));
    conn_ = std::move(conn);
    windowSql_ = std::move(windowSql);
    params_ = std::move(params);
    endResetModel();
}

void RecordModel::open(const ConnectionPtr& conn, const Query& query) {
    const QString sql = query.sql();
    const QVariantList& params = query.params;
    const QString windowSql = QStringLiteral("select * from (") + sql + QStringLiteral(") limit ? offset ?");
    std::unique_ptr<Statement> window;
    try {
        if (ReadsInOrder(*conn, windowSql, WindowParams(params, kBlockRows, 0)))
            window = std::make_unique<Statement>(*conn, windowSql, WindowParams(params, kBlockRows, 0));
    } catch (const DbError&) {
        // Not a query a window can wrap: it is read whole below, or fails there.
    }
    Statement plain(*conn, sql, params);
    if (!window || window->columnCount() != plain.columnCount()) return load(plain);

    // The query's own column names: the wrapping may rename repeated ones.
    QStringList names;
    for (int i = 0; i < plain.columnCount(); ++i) names << plain.columnName(i);
    Block first;
    first.read(*window, names.size(), kBlockRows);
    window.reset();
    if (first.rows < kBlockRows) {
        // Every row is held: nothing more to fetch, no connection kept.
        const int rows = first.rows;
        return replace(std::move(names), rows, std::move(first), kBlockRows, nullptr, QString(), {});
    }
    const int rows =
        conn->scalar(QStringLiteral("select count(*) from (") + query.select + QLatin1Char(')'), params).toInt();
    replace(std::move(names), std::max(rows, first.rows), std::move(first), kBlockRows, conn, windowSql, params);
}

void RecordModel::load(Statement& st) {
    QStringList names;
    const int cols = st.columnCount();
    for (int i = 0; i < cols; ++i) names << st.columnName(i);
    // The query has run (and sorted) once its first row is there. Only then
    // is the old result let go: a query that fails leaves the rows as they
    // were, and a large result is never held twice.
    bool more = st.next();
    // Room for what the previous result held: growing a large result step by
    // step costs several times more than reading it.
    size_t arenaHint = 0;
    size_t cellHint = 0;
    if (!conn_ && !blocks_.empty()) {
        arenaHint = blocks_.begin()->second.arena.size();
        cellHint = blocks_.begin()->second.offsets.size();
    }
    beginResetModel();
    names_ = names;
    rows_ = 0;
    blockRows_ = INT_MAX;  // one block holds them all
    blocks_.clear();
    conn_.reset();
    windowSql_.clear();
    params_.clear();
    Block& all = blocks_[0];
    try {
        all.arena.reserve(arenaHint);
        all.offsets.reserve(cellHint);
        all.nulls.reserve(cellHint);
        for (; more; more = st.next()) all.appendRow(st, cols);
        rows_ = all.rows;
    } catch (...) {
        // A read that breaks off half-way shows nothing rather than half a result.
        rows_ = 0;
        blocks_.clear();
        endResetModel();
        throw;
    }
    endResetModel();
}

void RecordModel::scan(int first, int last, const std::function<void(int row, const QStringList& texts)>& visit) const {
    first = std::max(first, 0);
    last = std::min(last, rows_ - 1);
    if (first > last) return;
    const int cols = names_.size();
    QStringList texts;
    if (!conn_) {
        for (int r = first; r <= last; ++r) {
            texts.clear();
            for (int c = 0; c < cols; ++c) texts << text(r, c);
            visit(r, texts);
        }
        return;
    }
    Statement st(*conn_, windowSql_, WindowParams(params_, last - first + 1, first));
    for (int r = first; r <= last && st.next(); ++r) {
        texts.clear();
        for (int c = 0; c < cols; ++c) {
            int len = 0;
            const char* p = st.rawText(c, &len);
            texts << (p ? QString::fromUtf8(p, len) : QString());
        }
        visit(r, texts);
    }
}

DataControl::DataControl(QObject* parent) : QObject(parent), model_(new RecordModel(this)) { model_->clear(); }

void DataControl::Refresh() { Refresh(RecordSource); }

void DataControl::Refresh(const Query& source) {
    auto conn = Connection::open(ConnectionString);
    model_->open(conn, source);
    RecordSource = source;
    emit refreshed();
}

}  // namespace platform
