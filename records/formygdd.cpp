#include "formygdd.h"

#include "common/EmployeeRecord.h"
#include "common/ModuleState.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "platform/Texts.h"

#include <QDateTime>

namespace halvern {

using namespace platform;

namespace {

const QString kDepartmentsSql = QStringLiteral("select * from 部门表");

}  // namespace

formygdd::formygdd() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &formygdd::Command1_Click);
}

void formygdd::Form_Load() {
    ui.text3->setDateTime(QDateTime::currentDateTime());
    ui.Text1->setText(TrimBlanks(MainGridCell()));
    try {
        Recordset rs;
        rs.Open(kDepartmentsSql, DbConnString(), LockType::ReadOnly);
        // The first department stands in the box; an empty list leaves the box empty.
        if (!rs.EOF_()) ui.Text2->setEditText(rs.Text(QStringLiteral("部门")));
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) ui.Text2->addItem(rs.Text(QStringLiteral("部门")));
        rs.Close();
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法读取部门表：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical,
               QStringLiteral("错误"));
    }
}

void formygdd::Command1_Click() {
    const QString no = ui.Text1->text();
    const QString department = ui.Text2->currentText();
    if (department.isEmpty() || no.isEmpty() || !ui.text3->date().isValid()) {
        MsgBox(QStringLiteral("请填写完整！！！ "), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("错误"));
        return;
    }

    bool found = false;
    try {
        auto conn = Connection::open(DbConnString());
        // The department and the history line are stored together or not at all.
        Transaction tx(*conn);
        auto employee = EmployeeRecord::LoadWithHistory(*conn, no);
        if (employee) {
            found = true;
            const QString oldDepartment = TrimBlanks(employee->Text(QStringLiteral("部门")));
            employee->Set(QStringLiteral("部门"), department);

            const QString line = QStringLiteral("\r\n") + ui.text3->date().toString(QStringLiteral("yyyy-MM-dd")) +
                                 QStringLiteral("从") + oldDepartment + QStringLiteral("调往") + department;
            if (!employee->history) {
                // No history on file yet: start one, so that the move is not lost.
                employee->history.emplace().Set(QStringLiteral("员工编号"), employee->Value(QStringLiteral("员工编号")));
            }
            CareerHistory& history = *employee->history;
            history.Set(QStringLiteral("本公司经历"), history.Text(QStringLiteral("本公司经历")) + line);
            employee->Store(*conn);
            tx.commit();
        }
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("调动没有完成，员工资料未作任何修改。\n%1").arg(e.message()), MsgButtons::OK,
               MsgIcon::Critical, QStringLiteral("错误"));
        return;
    }
    if (!found) {
        MsgBox(QStringLiteral("员工编号不存在!"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("错误"));
        return;
    }
    ui.Text1->clear();
    ui.Text2->setEditText(QString());
    RefreshMainGrid();
    MsgBox(QStringLiteral("调入成功!"), MsgButtons::OK, MsgIcon::Information, QStringLiteral("提示"));
}

}  // namespace halvern
