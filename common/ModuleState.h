// What the windows tell each other: the selected employee, who opened which
// window, who signed in, and two flags of the main window's load. One record
// for the whole run; every window reads and writes this same one.
#pragma once

#include <QString>

#include <QIcon>

namespace platform {
class DataControl;
class FlexGrid;
class PrintPreview;
struct Query;
}

namespace halvern {

struct ModuleState {
    QString PicturePath;           // picture chosen in the photograph picker
    QString ViewEmployeeNo;        // employee shown by the read-only record views
    QString PictureCaller;         // "lr" or "mod": whose photo box the picker fills
    QString CurrentEmployeeNo;     // main grid cell at the last click ("" in the leavers' view)
    QString HistoryCaller;         // "formlr", "formmod", "formshow" or "formshow1"
    QString CurrentTrainingKey;    // trimmed cell of the training view, else ""
    QString CurrentAssessmentKey;  // trimmed cell of the assessment views, else ""
    short LoopIndex = 0;           // counter of the column loops
    QString CurrentUserName;       // as typed at sign-in
    QString CurrentUserPassword;   // as typed at sign-in
    bool ReminderHasRows = false;  // false once the contract reminder found nothing
    bool HasEmployees = false;     // 员工信息 had rows when the main window loaded
};

ModuleState& Module();
// Back to the values of a fresh start (tests).
void ResetModuleState();

// Connection string of the personnel database db2.mdb in the program directory.
QString DbConnString();
// Connection string of the user database cuser.mdb, with its database password.
QString UserDbConnString();

// The main window as the other windows reach it. It registers itself when it
// loads and withdraws when it goes; while none is registered, the functions
// below that act on the main grid do nothing (MainGridCell gives empty text).
class MainWindowAccess {
public:
    virtual platform::DataControl& MainData() = 0;  // data1, the main grid's record source
    virtual platform::FlexGrid& MainGrid() = 0;     // dgrid
    virtual void SetPanelText(int panel, const QString& text) = 0;
    virtual void HideWelcome() = 0;                 // the pane that covers the grid until a view is shown
    virtual QIcon Icon() const = 0;

protected:
    ~MainWindowAccess() = default;
};
void RegisterMainWindow(MainWindowAccess* main);
// Withdraws main, when it is the one registered.
void WithdrawMainWindow(const MainWindowAccess* main);

// Records whether any employee exists (HasEmployees); database failures reach the caller.
void CheckEmployeeData();
// Centres every column and header cell of a grid bound to a data source.
void FormatMainGrid(platform::FlexGrid& grid);
// Re-runs the main window's current record source and formats its grid again.
void RefreshMainGrid();

// The text of the main grid's current cell, untrimmed, when that cell lies
// on a data row; empty on the header row (as after every refresh).
QString MainGridCell();
// Shows the rows of query in the main grid and, in status-bar panel 5,
// countText with %1 replaced by their number. A grid that cannot refresh
// keeps its rows and the source that made them; the failure is reported and
// false returned.
bool ShowInMainGrid(const platform::Query& query, const QString& countText);
// Hides the welcome pane that covers the main grid until a view or a result is shown.
void HideMainWelcome();
// Hands the main grid to a print preview to lay out; nothing while the main window is not loaded.
void PrintMainGrid(platform::PrintPreview& preview);
// The main window's icon, for windows that show it too; none while the main window is not loaded.
QIcon MainWindowIcon();

}  // namespace halvern
