// The views of the main grid, one row per position of the navigation tree:
// the query it shows, the orderings the sort commands put in place of its
// own, its print layout, the fields the quick search offers, the popup of its
// rows and the window that shows one of its records. The tree, the view
// menu, the sorts, the popups, the record opening and the searches all read
// this one table; its texts are used exactly as written, blanks included.
#pragma once

#include "platform/Query.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace halvern {

// Tree positions that other parts of the main window name.
enum ViewPosition : short {
    kFullView = 2,
    kBasicView = 4,
    kWorkView = 5,
    kOtherView = 6,
    kLeaverView = 8,
    kHistoryView = 9,
    kTrainingView = 10,
    kTransferHistoryView = 11,
    kManagerList = 13,
    kStaffList = 14,
};

// The popup a right click on a row opens.
enum class ViewPopup {
    None,
    Employee,  // edtpop1: new, look, modify, transfer, resign and the sorts
    Leaver,    // edtpop2
    Training,  // edtpop3
};

struct View {
    short position;      // node position in the tree (ViewMode)
    QString caption;     // the node's caption, the view name other parts compare panel 3 with
    QString name;        // what the view's filler writes to panel 3; empty: it writes nothing
    QString select;      // the query without its ordering
    QString order;       // the view's own ordering, appended to select
    QString byNumber;    // the ordering of 按编号; empty when the view cannot be sorted
    QString byHiring;    // the ordering of 按录用日期
    QString gridFormat;  // the print layout; "xx" = too wide to print
    QStringList fields;  // the quick search's field list (Combo1)
    ViewPopup popup;
    QString recordWindow;  // the window a double-click on a row opens

    platform::Query Source() const { return {select, order}; }
    bool Sortable() const { return !byNumber.isEmpty(); }
};

const std::vector<View>& Views();
// The view at a tree position; nullptr for a position that shows none.
const View* ViewAt(short position);
// The caption of the view at a tree position.
const QString& ViewCaption(short position);
// The window a double-click opens in the view named viewName (panel 3);
// "formshow" for a name no view with a record window of its own has.
QString RecordWindowFor(const QString& viewName);

}  // namespace halvern
