#include "Searches.h"


#include "platform/Dates.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "platform/Texts.h"

#include <QRegularExpression>

namespace halvern {

using platform::QuoteIdentifier;
using platform::TrimBlanks;

namespace {

const QString kCombinedSearchSql = QStringLiteral("select * from 员工信息 where %1");

// Whether a search finds any row, before the grid is touched; %1 is the search.
const QString kAnyRowSql = QStringLiteral("select 1 from (%1) limit 1");
// The columns of a table, %1 its quoted name: read from the statement, no row needed.
const QString kColumnsSql = QStringLiteral("select * from %1 limit 0");

// %1 quoted field, %2 operator; the value is the one parameter.
const QString kCompareSql = QStringLiteral("%1 %2 ?");
const QString kLikeSql = QStringLiteral("%1 like ?");
// A text compares as if trailing blanks were absent on both sides: the
// editing windows store most texts with one blank after them, a transfer
// writes its department without, and a search must find both. Texts compare
// case-insensitively for Latin letters, as every text column of the database
// does. %1 quoted field, %2 operator; the value, its trailing blanks removed,
// is the one parameter.
const QString kTextCompareSql = QStringLiteral("rtrim(%1) %2 ? collate nocase");
// "=" in a form the column's index serves: the range holds the value and the
// value followed by anything that sorts before "!" (the blanks among it), the
// last test keeps the value with blanks alone. Parameters: value, value & "!", value.
const QString kTextEqualSql = QStringLiteral("(%1 >= ? and %1 < ? and rtrim(%1) = ? collate nocase)");

const QString kLike = QStringLiteral("like");

// Blanks only, as the database's rtrim removes them.
QString WithoutTrailingBlanks(QString text) {
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

// "field op ?" on a text column, trailing blanks ignored on both sides.
QString TextCondition(const QString& quoted, const QString& op, const QString& value, QVariantList& params) {
    const QString v = WithoutTrailingBlanks(value);
    if (op == QLatin1String("=")) {
        params << v << v + QLatin1Char('!') << v;
        return kTextEqualSql.arg(quoted);
    }
    params << v;
    return kTextCompareSql.arg(quoted, op);
}

// The part of an operator item before its first "(", or the whole item typed without one.
QString OperatorPart(const QString& item) {
    const int paren = item.indexOf(QLatin1Char('('));
    return TrimBlanks(paren < 0 ? item : item.left(paren));
}

}  // namespace

SearchError::SearchError(const QString& message) : std::runtime_error(message.toStdString()) {}

void RequireSearchField(const QString& field, const QStringList& columns, const QString& table) {
    // A name the table lacks would be read as a text in double quotes and match everything or nothing.
    if (!columns.contains(field))
        throw SearchError(QStringLiteral("“%1”中没有“%2”这一项，无法查询。").arg(table, field));
}

QString SearchCondition(const QString& field, const QString& op, const QString& value, LikeValue likeValue,
                        bool dateEvenForLike, QVariantList& params) {
    const QString quoted = QuoteIdentifier(field);
    if (op == kLike) {
        if (dateEvenForLike)
            params << SearchDate(field, value);
        else
            params << (likeValue == LikeValue::Contains ? QLatin1Char('%') + value + QLatin1Char('%') : value);
        return kLikeSql.arg(quoted);
    }
    if (!IsDateColumn(field) && !dateEvenForLike) return TextCondition(quoted, op, value, params);
    params << SearchDate(field, value);
    return kCompareSql.arg(quoted, op);
}


const QStringList& SearchOperatorItems() {
    static const QStringList items{QStringLiteral("=(等于)"),  QStringLiteral("<(小于)"),     QStringLiteral(">(大于)"),
                                   QStringLiteral("like(包含)"), QStringLiteral("<>(不等于)"), QStringLiteral("<=(小于等于)"),
                                   QStringLiteral(">=(大于等于)")};
    return items;
}

QString SearchOperator(const QString& item) {
    static const QStringList ops{QStringLiteral("="),  QStringLiteral("<"),  QStringLiteral(">"), kLike,
                                 QStringLiteral("<>"), QStringLiteral("<="), QStringLiteral(">=")};
    const QString op = OperatorPart(item);
    if (!ops.contains(op))
        throw SearchError(QStringLiteral("“%1”不是可以使用的查询关系，请从列表中选择。").arg(item));
    return op;
}

bool IsTypedDateField(const QString& field) {
    return field == QStringLiteral("录用日期") || field == QStringLiteral("出生日期");
}

bool IsDateColumn(const QString& field) {
    // 培训时间 is free text and compares as typed.
    static const QStringList dates{QStringLiteral("出生日期"), QStringLiteral("录用日期"), QStringLiteral("合同生效日"),
                                   QStringLiteral("合同到期日")};
    return dates.contains(field);
}

void CheckSearchValue(const QString& field, const QString& operatorItem, const QString& value) {
    // Nothing typed yet is no wrong date: the search buttons ask for the value.
    if (operatorItem.isEmpty() || value.isEmpty() || OperatorPart(operatorItem) == kLike) return;
    if (IsTypedDateField(field)) SearchDate(field, value);
}

QStringList TableColumns(platform::Connection& db, const QString& table) {
    QStringList names;
    const platform::Statement st(db, kColumnsSql.arg(QuoteIdentifier(table)));
    for (int i = 0; i < st.columnCount(); ++i) names << st.columnName(i);
    return names;
}

QString SearchDate(const QString& field, const QString& typed) {
    static const QRegularExpression separators(QStringLiteral("[/.]"));
    QString text = TrimBlanks(typed);
    text.replace(separators, QStringLiteral("-"));
    const QDate d = platform::ParseTypedDate(text);
    if (!d.isValid())
        throw SearchError(QStringLiteral("“%1”不是有效的日期。查询“%2”时请按“年-月-日”填写日期，例如 1980-1-2。")
                              .arg(TrimBlanks(typed), field));
    return platform::StoreDate(d);
}

SearchQuery BuildCombinedSearch(const std::vector<CombinedCondition>& conditions, const QStringList& allowedFields) {
    if (conditions.empty()) throw SearchError(QStringLiteral("请输入查询条件!"));
    SearchQuery q;
    QString where;
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const CombinedCondition& c = conditions[i];
        RequireSearchField(c.field, allowedFields, QStringLiteral("员工信息"));
        if (i > 0) {
            if (c.relation == QStringLiteral("并且"))
                where += QStringLiteral(" and ");
            else if (c.relation == QStringLiteral("或者"))
                where += QStringLiteral(" or ");
            else
                throw SearchError(QStringLiteral("第%1个条件与上个条件的关系应为“并且”或“或者”。").arg(i + 1));
        }
        where += SearchCondition(c.field, SearchOperator(c.operatorItem), c.value, LikeValue::Contains, false, q.params);
    }
    q.select = kCombinedSearchSql.arg(where);
    return q;
}

std::optional<SearchQuery> FindSearchRows(const QString& connString,
                                          const std::function<SearchQuery(platform::Connection&)>& build) {
    using namespace platform;
    SearchQuery query;
    bool found = false;
    try {
        const ConnectionPtr db = Connection::open(connString);
        query = build(*db);
        found = !db->scalar(kAnyRowSql.arg(query.select), query.params).isNull();
    } catch (const SearchError& e) {
        MsgBox(e.message(), MsgButtons::OK, MsgIcon::Critical);
        return std::nullopt;
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("查询失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        return std::nullopt;
    }
    if (!found) {
        MsgBox(QStringLiteral("查询到0条记录"), MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("查询结果"));
        return std::nullopt;
    }
    return query;
}

QString LiteralPattern(const QString& text) {
    QString s = text;
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    s.replace(QLatin1Char('%'), QLatin1String("\\%"));
    s.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return s;
}

}  // namespace halvern
