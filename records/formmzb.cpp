#include "formmzb.h"

#include "common/ModuleState.h"
#include "platform/MessageBox.h"

namespace halvern {

using namespace platform;

namespace {
const QString kTableSql = QStringLiteral("select * from 民族");
}

formmzb::formmzb() {
    ui.setupUi(this);
    Adodc1 = new DataControl(this);
    ui.MSHFlexGrid1->SetDataSource(Adodc1);
}

void formmzb::Form_Load() { LoadLookupTable(Adodc1, kTableSql, QStringLiteral("民族")); }

bool LoadLookupTable(DataControl* Adodc1, const QString& sql, const QString& table) {
    Adodc1->ConnectionString = DbConnString();
    Adodc1->CommandType = 1;
    Adodc1->RecordSource = sql;
    try {
        Adodc1->Refresh();
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法读取%1表：%2").arg(table, e.message()), MsgButtons::OK, MsgIcon::Critical,
               QStringLiteral("错误"));
        return false;
    }
    return true;
}

}  // namespace halvern
