#include "formqhb.h"

#include "shell/ModuleState.h"
#include "platform/MessageBox.h"

namespace halvern {

using namespace platform;

namespace {
const QString kTableSql = QStringLiteral("select * from 行政区划");
}

formqhb::formqhb() {
    ui.setupUi(this);
    Adodc1 = new DataControl(this);
    ui.MSHFlexGrid1->SetDataSource(Adodc1);
}

void formqhb::Form_Load() {
    Adodc1->ConnectionString = DbConnString();
    Adodc1->CommandType = 1;
    Adodc1->RecordSource = kTableSql;
    try {
        Adodc1->Refresh();
        ui.MSHFlexGrid1->SetColWidth(1, 3600);  // room for the longest region names
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法读取行政区划表：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical,
               QStringLiteral("错误"));
    }
}

}  // namespace halvern
