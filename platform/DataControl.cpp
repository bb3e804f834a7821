#include "DataControl.h"

namespace platform {

int RecordModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int RecordModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : names_.size(); }

QString RecordModel::text(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= names_.size()) return {};
    const size_t i = static_cast<size_t>(row) * names_.size() + col;
    return QString::fromUtf8(arena_.data() + offsets_[i], static_cast<qsizetype>(offsets_[i + 1] - offsets_[i]));
}

bool RecordModel::isNull(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= names_.size()) return true;
    return nulls_[static_cast<size_t>(row) * names_.size() + col];
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

void RecordModel::clear() {
    beginResetModel();
    names_.clear();
    rows_ = 0;
    arena_.clear();
    offsets_.assign(1, 0);
    nulls_.clear();
    endResetModel();
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
    const size_t arenaHint = arena_.size();
    const size_t cellHint = offsets_.size();
    beginResetModel();
    names_ = names;
    rows_ = 0;
    std::string().swap(arena_);
    std::vector<quint32>{0}.swap(offsets_);
    std::vector<bool>().swap(nulls_);
    try {
        arena_.reserve(arenaHint);
        offsets_.reserve(cellHint);
        nulls_.reserve(cellHint);
        for (; more; more = st.next()) {
            for (int c = 0; c < cols; ++c) {
                int len = 0;
                const char* p = st.rawText(c, &len);  // no text at all for a Null
                if (p && len) arena_.append(p, static_cast<size_t>(len));
                if (arena_.size() > 0xFFFFFFF0u) throw DbError(QStringLiteral("查询结果太大，无法显示。"));
                offsets_.push_back(static_cast<quint32>(arena_.size()));
                nulls_.push_back(p == nullptr);
            }
            ++rows_;
        }
    } catch (...) {
        // A read that breaks off half-way shows nothing rather than half a result.
        rows_ = 0;
        arena_.clear();
        offsets_.assign(1, 0);
        nulls_.clear();
        endResetModel();
        throw;
    }
    endResetModel();
}

DataControl::DataControl(QObject* parent) : QObject(parent), model_(new RecordModel(this)) { model_->clear(); }

void DataControl::Refresh() {
    auto conn = Connection::open(ConnectionString);
    Statement st(*conn, RecordSource, Parameters);
    model_->load(st);
    emit refreshed();
}

}  // namespace platform
