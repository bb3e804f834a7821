#include "ModuleState.h"

#include "EmployeeRecord.h"

#include "platform/DataControl.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/PrintPreview.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"

namespace halvern {

using namespace platform;

ModuleState& Module() {
    static ModuleState state;
    return state;
}

void ResetModuleState() { Module() = ModuleState{}; }

namespace {

MainWindowAccess*& mainWindow() {
    static MainWindowAccess* main = nullptr;
    return main;
}

}  // namespace

void RegisterMainWindow(MainWindowAccess* main) { mainWindow() = main; }

void WithdrawMainWindow(const MainWindowAccess* main) {
    if (mainWindow() == main) mainWindow() = nullptr;
}

QString DbConnString() {
    QString dir = ProgramDir();
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False;Data Source=") + dir +
           QStringLiteral("db2.mdb");
}

QString UserDbConnString() {
    // The directory goes in unchanged: a root directory yields "//cuser.mdb", which the file system reads as "/cuser.mdb".
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + ProgramDir() +
           QStringLiteral("/cuser.mdb;Jet OLEDB:Database Password=wgm;");
}

void CheckEmployeeData() {
    Module().HasEmployees = false;
    Module().HasEmployees = EmployeeRecord::AnyOnFile(*Connection::open(DbConnString()));
}

void FormatMainGrid(FlexGrid& grid) {
    grid.SetFillStyle(1);
    grid.SetRow(0);
    short& i = Module().LoopIndex;
    for (i = 0; i < grid.Cols(); ++i) {
        grid.SetCol(i);
        grid.SetColAlignment(i, FlexGrid::CenterCenter);
        grid.SetCellAlignment(FlexGrid::CenterCenter);
    }
    grid.SetRedraw(true);
}

void RefreshMainGrid() {
    MainWindowAccess* main = mainWindow();
    if (!main) return;
    try {
        main->MainData().Refresh();
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("刷新主窗口数据失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    FormatMainGrid(main->MainGrid());
}

QString MainGridCell() {
    if (!mainWindow()) return {};
    const FlexGrid& grid = mainWindow()->MainGrid();
    return grid.Row() >= 1 ? grid.Text() : QString();
}

bool ShowInMainGrid(const Query& query, const QString& countText) {
    MainWindowAccess* main = mainWindow();
    if (!main) return false;
    DataControl& data1 = main->MainData();
    try {
        data1.Refresh(query);
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("查询失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        return false;
    }
    main->SetPanelText(5, countText.arg(data1.RecordCount()));
    return true;
}

void HideMainWelcome() {
    if (mainWindow()) mainWindow()->HideWelcome();
}

void PrintMainGrid(PrintPreview& preview) {
    if (mainWindow()) preview.OutGrid(&mainWindow()->MainGrid());
}

QIcon MainWindowIcon() { return mainWindow() ? mainWindow()->Icon() : QIcon(); }

}  // namespace halvern
