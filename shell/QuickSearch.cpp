#include "QuickSearch.h"

#include "Views.h"
#include "platform/Recordset.h"

namespace halvern {

using platform::QuoteIdentifier;

namespace {

// The assessment lists: the view's fields and the hiring date; %1 fields, %2 condition.
// A title typed in the entry window is stored with a blank after it.
const QString kManagerSearchSql = QStringLiteral("select %1,录用日期 from 员工信息 where %2 and rtrim(职位)='经理'");
const QString kStaffSearchSql = QStringLiteral("select %1,录用日期 from 员工信息 where %2 and rtrim(职位)<>'经理'");
const QString kLeaverSearchSql = QStringLiteral("select %1 from 员工离职 where %2");
const QString kTrainingSearchSql = QStringLiteral("select *  from 培训 where %1");
const QString kHistorySearchSql = QStringLiteral("select *  from 覆历 where %1");

QString FieldList(const QStringList& items) {
    QStringList quoted;
    quoted.reserve(items.size());
    for (const QString& f : items) quoted << QuoteIdentifier(f);
    return quoted.join(QLatin1Char(','));
}

}  // namespace

QString QuickSearchTable(QuickSearchKind kind) {
    switch (kind) {
    case QuickSearchKind::Employees: return QStringLiteral("员工信息");
    case QuickSearchKind::Leavers: return QStringLiteral("员工离职");
    case QuickSearchKind::Training: return QStringLiteral("培训");
    case QuickSearchKind::History: return QStringLiteral("覆历");
    }
    return {};
}

SearchQuery BuildQuickSearch(QuickSearchKind kind, const QString& viewName, const QStringList& fieldItems,
                             const QStringList& columns, const QString& field, const QString& operatorItem,
                             const QString& value) {
    const QString table = QuickSearchTable(kind);
    RequireSearchField(field, columns, table);
    const QString op = SearchOperator(operatorItem);
    // The field list is selected as it stands in the leavers' and the assessment views.
    const QString& managerView = ViewCaption(kManagerList);
    const QString& staffView = ViewCaption(kStaffList);
    const bool selectsFieldList =
        kind == QuickSearchKind::Leavers ||
        (kind == QuickSearchKind::Employees && (viewName == managerView || viewName == staffView));
    if (selectsFieldList)
        for (const QString& item : fieldItems) RequireSearchField(item, columns, table);
    SearchQuery q;
    switch (kind) {
    case QuickSearchKind::Employees: {
        const QString cond =
            SearchCondition(field, op, value, LikeValue::Contains, IsTypedDateField(field), q.params);
        if (viewName == managerView)
            q.select = kManagerSearchSql.arg(FieldList(fieldItems), cond);
        else if (viewName == staffView)
            q.select = kStaffSearchSql.arg(FieldList(fieldItems), cond);
        else  // current employees, every view but the two assessment lists: the full record
            q.select = ViewAt(kFullView)->select + QStringLiteral(" where ") + cond;
        break;
    }
    case QuickSearchKind::Leavers:
        q.select = kLeaverSearchSql.arg(FieldList(fieldItems),
                                     SearchCondition(field, op, value, LikeValue::AsTyped, false, q.params));
        break;
    case QuickSearchKind::Training:
        q.select = kTrainingSearchSql.arg(SearchCondition(field, op, value, LikeValue::Contains, false, q.params));
        break;
    case QuickSearchKind::History:
        q.select = kHistorySearchSql.arg(SearchCondition(field, op, value, LikeValue::Contains, false, q.params));
        break;
    }
    return q;
}

}  // namespace halvern
