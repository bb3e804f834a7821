// Building the searches of the main window's quick-search row and of the
// combined search window. Fields must be columns of the searched table and go
// into the SQL quoted; operators only from the seven of the operator list;
// every value is a bound parameter. A like value keeps its wildcards: % any
// run of characters, _ one character.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace platform {
class Connection;
}

namespace halvern {

// A search the user asked for that cannot run, with a text a clerk can read.
class SearchError : public std::runtime_error {
public:
    explicit SearchError(const QString& message);
    QString message() const { return QString::fromStdString(what()); }
};

// The seven operator items of the search rows, in list order: "=(等于)" … ">=(大于等于)".
const QStringList& SearchOperatorItems();

// A like pattern (for "like ? escape '\\'") that finds the typed text itself: %, _ and the backslash lose their meaning.
QString LiteralPattern(const QString& text);
// The column names of a table of the database, in table order.
QStringList TableColumns(platform::Connection& db, const QString& table);
// The operator of an item: the part before its first "(", which must be one
// of "=", "<", ">", "like", "<>", "<=", ">="; throws SearchError otherwise.
QString SearchOperator(const QString& item);

// Columns kept as dates: a value compared with them must be a date.
bool IsDateColumn(const QString& field);
// What every toolbar button checks of the quick-search row before it looks at
// its key: with an operator other than like, a value on 录用日期 or 出生日期 must
// be a date. Throws SearchError when it is not.
void CheckSearchValue(const QString& field, const QString& operatorItem, const QString& value);
// A typed date ("1980-1-2", "1980/1/2", "1980.1.2") in the stored form
// "1980-01-02"; throws SearchError naming the field for text that is no date.
QString SearchDate(const QString& field, const QString& typed);

struct SearchQuery {
    QString sql;
    QVariantList params;
};

// The four quick searches of the toolbar, by button key.
enum class QuickSearchKind {
    Employees,  // cx:    员工信息, columns by view
    Leavers,    // hcx:   员工离职, the view's fields, value as typed
    Training,   // hhcx:  培训, every column
    History     // hhhcx: 覆历, every column
};

// The table a quick search reads: 员工信息, 员工离职, 培训 or 覆历.
QString QuickSearchTable(QuickSearchKind kind);

// The quick search of one click. fieldItems are the items of the field list
// (Combo1), which the leavers' and the assessment views select; columns are
// those of the searched table, and the field and every selected item must be
// among them. viewName is status-bar panel 3. Throws SearchError for a field
// the table lacks, an unknown operator or a date field whose value is no date.
SearchQuery BuildQuickSearch(QuickSearchKind kind, const QString& viewName, const QStringList& fieldItems,
                             const QStringList& columns, const QString& field, const QString& operatorItem,
                             const QString& value);

// One condition of the combined search, as its window keeps it.
struct CombinedCondition {
    QString field;         // trimmed field name
    QString operatorItem;  // trimmed operator item, e.g. "like(包含)"
    QString value;         // trimmed value, without quotes
    QString relation;      // "并且" or "或者": how the row joins the row above; ignored on the first row
};

// "select * from 员工信息 where …" over the conditions in order. Fields must be
// among allowedFields (the columns of 员工信息). Throws SearchError (also for a
// relation other than 并且/或者 after the first row, and for an empty list).
SearchQuery BuildCombinedSearch(const std::vector<CombinedCondition>& conditions, const QStringList& allowedFields);

// Running a search, shared by the toolbar and the combined search window,
// which show its rows with ShowInMainGrid. The query of build (given the open database), when it finds
// any row; otherwise nothing, after telling the user why: a search that cannot
// run, a failed read, or "查询到0条记录".
std::optional<SearchQuery> FindSearchRows(const QString& connString,
                                          const std::function<SearchQuery(platform::Connection&)>& build);
// Panel 5 under the rows of a search; %1 is their number.
inline const QString kSearchCountText = QStringLiteral("共有符合条件的记录%1条");

}  // namespace halvern
