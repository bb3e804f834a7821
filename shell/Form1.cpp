#include "Form1.h"

#include "ModuleState.h"
#include "platform/MessageBox.h"

namespace halvern {

using namespace platform;

Form1::Form1() {
    ui.setupUi(this);
    dgrid = ui.dgrid;
    list1 = ui.list1;
    data1 = new DataControl(this);
    Adodc1 = new DataControl(this);
    dgrid->SetDataSource(data1);
    list1->SetDataSource(Adodc1);
}

void Form1::Form_Load() {
    try {
        CheckEmployeeData();
        ConnString = DbConnString();
        data1->ConnectionString = DbConnString();
        data1->RecordSource = QStringLiteral("select * from 员工信息 order by 部门 desc");
        data1->Refresh();
        FormatMainGrid(*dgrid);
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法打开人事数据库 db2.mdb，程序将退出。\n%1").arg(e.message()), MsgButtons::OK,
               MsgIcon::Critical);
        Unload();
        WindowHost::EndProgram();
    }
}

}  // namespace halvern
