// Building searches over the personnel tables, for the main window's
// quick-search row, the combined search window and the training register. Fields must be columns of the searched table and go
// into the SQL quoted; operators only from the seven of the operator list;
// every value is a bound parameter. A like value keeps its wildcards: % any
// run of characters, _ one character.
#pragma once

#include "platform/Query.h"

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
// The two fields whose typed value the employee searches read as a date, even for like.
bool IsTypedDateField(const QString& field);
// What every toolbar button checks of the quick-search row before it looks at
// its key: with an operator other than like, a value on 录用日期 or 出生日期 must
// be a date. Throws SearchError when it is not.
void CheckSearchValue(const QString& field, const QString& operatorItem, const QString& value);
// A typed date ("1980-1-2", "1980/1/2", "1980.1.2") in the stored form
// "1980-01-02"; throws SearchError naming the field for text that is no date.
QString SearchDate(const QString& field, const QString& typed);

// What a search hands to the main grid: its selection and values; a search has no order of its own.
using SearchQuery = platform::Query;

// The field must be one of columns (those of table); throws SearchError naming both otherwise.
void RequireSearchField(const QString& field, const QStringList& columns, const QString& table);

// How a like value becomes the pattern: found anywhere, or as typed.
enum class LikeValue { Contains, AsTyped };

// "field op ?" with its values appended to params. Values compared with a date
// column must be dates (the stored form compares in date order), and with
// dateEvenForLike even a like value; a like value is a pattern whose % and _
// keep their meaning; a text compares as if trailing blanks were absent on both
// sides. Throws SearchError for a value that must be a date and is none.
QString SearchCondition(const QString& field, const QString& op, const QString& value, LikeValue likeValue,
                        bool dateEvenForLike, QVariantList& params);

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
