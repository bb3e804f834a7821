// The four quick searches of the main window's toolbar, over the table and
// the fields of the view shown.
#pragma once

#include "common/Searches.h"

#include <QString>
#include <QStringList>

namespace halvern {

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

}  // namespace halvern
