#include "formqhb.h"

#include "formmzb.h"

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
    if (LoadLookupTable(Adodc1, kTableSql, QStringLiteral("行政区划")))
        ui.MSHFlexGrid1->SetColWidth(1, 3600);  // room for the longest region names
}

}  // namespace halvern
