#include "Formyglz.h"

#include "EmployeeRecord.h"
#include "common/ModuleState.h"
#include "platform/Dates.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"

#include <QDateTime>

namespace halvern {

using namespace platform;

namespace {

// Only the columns are needed to add a row; no leaver is read.
const QString kLeaversSql = QStringLiteral("select * from 员工离职 where 0");

const QString kReason = QStringLiteral("离职原因");
const QString kLeftOn = QStringLiteral("离职时间");

// The leaver row in the order it is written; all but reason and date are copied as stored.
const QStringList kLeaverColumns{
    QStringLiteral("员工编号"), QStringLiteral("姓名"),     QStringLiteral("部门"),     QStringLiteral("职位"),
    QStringLiteral("性别"),     QStringLiteral("出生日期"), QStringLiteral("民族"),     QStringLiteral("学历"),
    QStringLiteral("体重"),     QStringLiteral("上岗证"),   QStringLiteral("暂住证"),   QStringLiteral("婚育证"),
    QStringLiteral("录用日期"), QStringLiteral("身份证号"), QStringLiteral("合同编号"), QStringLiteral("合同生效日"),
    kReason,                    QStringLiteral("身高"),     QStringLiteral("合同到期日"), QStringLiteral("籍贯"),
    QStringLiteral("毕业院校"), QStringLiteral("住址"),     QStringLiteral("特长"),     QStringLiteral("婚否"),
    QStringLiteral("专业"),     QStringLiteral("政治面貌"), QStringLiteral("外语情况"), QStringLiteral("联系电话"),
    QStringLiteral("主要履历"), kLeftOn,                    QStringLiteral("备注"),     QStringLiteral("图片")};

}  // namespace

Formyglz::Formyglz() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formyglz::Command1_Click);
}

void Formyglz::Form_Load() {
    ui.text3->setDateTime(QDateTime::currentDateTime());
    ui.Text1->setText(MainGridCell().trimmed());
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
        Recordset leavers;
        leavers.Open(kLeaversSql, conn, LockType::Pessimistic);
        if (!employee) throw DbError(QStringLiteral("员工编号不存在。"));
        leavers.AddNew();
        for (const QString& column : kLeaverColumns) {
            if (column == kReason)
                leavers.SetField(column, ui.Text2->text());
            else if (column == kLeftOn)
                leavers.SetField(column, StoreDateTime(ui.text3->dateTime()));
            else
                leavers.SetField(column, employee->Value(column));
        }
        leavers.Update();
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
