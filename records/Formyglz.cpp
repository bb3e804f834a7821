#include "Formyglz.h"

#include "common/EmployeeRecord.h"
#include "common/ModuleState.h"
#include "platform/Dates.h"
#include "platform/MessageBox.h"
#include "platform/Database.h"
#include "platform/Texts.h"

#include <QDateTime>

namespace halvern {

using namespace platform;

Formyglz::Formyglz() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formyglz::Command1_Click);
}

void Formyglz::Form_Load() {
    ui.text3->setDateTime(QDateTime::currentDateTime());
    ui.Text1->setText(TrimBlanks(MainGridCell()));
}

void Formyglz::Command1_Click() {
    const QString no = ui.Text1->text();
    if (no == QLatin1String(".")) {
        MsgBox(QStringLiteral("不能离职此员工"), MsgButtons::OK, MsgIcon::None, kAppTitle);
        return;
    }
    if (ui.Text2->text().isEmpty() || no.isEmpty()) {
        MsgBox(QStringLiteral("员工编号不存在或者出现异常错误!或填定不完整！！ "), MsgButtons::OK, MsgIcon::Critical,
               QStringLiteral("错误"));
        return;
    }

    try {
        auto conn = Connection::open(DbConnString());
        // The leaver row and the removal of the employee row stand or fall together.
        Transaction tx(*conn);
        const auto employee = EmployeeRecord::Load(*conn, no);
        if (!employee) throw DbError(QStringLiteral("员工编号不存在。"));
        LeaverRecord::Of(*employee, ui.Text2->text(), StoreDateTime(ui.text3->dateTime())).Store(*conn);
        employee->Remove(*conn);
        tx.commit();
    } catch (const DbError& e) {
        // A number that is no current employee is what the message says; any other cause is added.
        const QString cause = e.IsSystemFailure() ? QLatin1Char('\n') + e.message() : QString();
        MsgBox(QStringLiteral("该员工已经离职或者员工编号不存在或者出现异常错误! ") + cause, MsgButtons::OK,
               MsgIcon::Critical, QStringLiteral("错误"));
        return;
    }
    RefreshMainGrid();
    Unload();
}

}  // namespace halvern
