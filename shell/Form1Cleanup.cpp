// Clean-up commands and printing of the main window.
#include "Form1.h"
#include "common/ModuleState.h"
#include "Views.h"
#include "frmPrint.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"

namespace halvern {

using namespace platform;

namespace {
const QString kTrainingRowsSql = QStringLiteral("select * from 培训 where 员工编号=?");
// Clearing for a new period: these four tables and nothing else.
const QString kClearSql[] = {
    QStringLiteral("delete from 员工信息"),
    QStringLiteral("delete from 员工离职"),
    QStringLiteral("delete from 培训"),
    QStringLiteral("delete from 覆历"),
};
}  // namespace

void Form1::dasc_Click() {
    const QString view = PanelText(3);
    const QString cell = dgrid->Text();
    if (cell.isEmpty() || view != ViewCaption(kTrainingView)) {
        MsgBox(QStringLiteral("未选中培训记录"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    if (MsgBox(QStringLiteral("确实要删除") + cell + QStringLiteral("记录"), MsgButtons::OKCancel) != MsgAnswer::OK)
        return;
    try {
        Recordset rs;
        rs.Open(kTrainingRowsSql, ConnString, LockType::Pessimistic, {cell});
        if (rs.RecordCount() == 0) {
            // The current cell names no training row (another column, or the row is gone).
            rs.Close();
            MsgBox(QStringLiteral("没有找到员工编号为%1的培训记录，没有删除任何记录").arg(cell), MsgButtons::OK,
                   MsgIcon::Critical);
            return;
        }
        rs.MoveFirst();
        if (rs.Text(QStringLiteral("员工编号")) == QLatin1String(".")) {
            MsgBox(QStringLiteral("不能删除此记录"), MsgButtons::OK, MsgIcon::Information);
            rs.Close();
            return;
        }
        rs.Delete();
        rs.Close();
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("删除培训记录失败，记录没有删除：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    RefreshMainGrid();
}

void Form1::qczlqk_Click() {
    Adodc1->ConnectionString = DbConnString();
    Adodc1->CommandType = 1;
    if (MsgBox(QStringLiteral("此操作将真正删除人事库中全部数据，请慎重操作!"), MsgButtons::OKCancel,
               MsgIcon::Information) != MsgAnswer::OK)
        return;
    try {
        // All four tables empty, or none touched.
        ConnectionPtr conn = Connection::open(Adodc1->ConnectionString);
        Transaction tx(*conn);
        for (const QString& sql : kClearSql) conn->execute(sql);
        tx.commit();
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("期初人事资料清空失败，人事数据没有改动：%1").arg(e.message()), MsgButtons::OK,
               MsgIcon::Critical);
        return;
    }
    try {
        Adodc1->Refresh();
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("人事资料已清空，但合同到期提醒无法刷新：%1").arg(e.message()), MsgButtons::OK,
               MsgIcon::Critical);
    }
}

void Form1::Rprint_Click() {
    if (!Module().HasEmployees) {
        MsgBox(QStringLiteral("没有可生成报表的数据！"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    if (GridFormat == QLatin1String("xx")) {
        MsgBox(QStringLiteral("完整资料宽度超出打印页面,请选择导入EXCEL!"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    dgrid->SetFormatString(GridFormat);
    WindowHost::Show(new frmPrint(), ShowMode::Modeless);
}

}  // namespace halvern
