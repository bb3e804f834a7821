#include "Formyf.h"

#include "common/ModuleState.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"

namespace halvern {

using namespace platform;

namespace {
const QString kAccountSql = QStringLiteral("select * from cuser where cname=? and cpwd=?");
}

Formyf::Formyf() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formyf::Command1_Click);
}

void Formyf::Command1_Click() {
    const QString oldPassword = ui.Text1[0]->text();
    const QString newName = ui.Text1[1]->text();
    const QString newPassword = ui.Text1[2]->text();
    const QString again = ui.Text1[3]->text();
    if (oldPassword != Module().CurrentUserPassword) {
        MsgBox(QStringLiteral("旧密码输入不准确！！"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    if (again != newPassword || newPassword.isEmpty() || newName.isEmpty()) {
        MsgBox(QStringLiteral("新用户名未输入或者两次输入的新密码不符！"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    try {
        Recordset rs;
        rs.Open(kAccountSql, UserDbConnString(), LockType::Pessimistic,
                {Module().CurrentUserName, Module().CurrentUserPassword});
        if (rs.RecordCount() == 0) {
            rs.Close();
            MsgBox(QStringLiteral("用户或者密码不正确！！"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("登录"));
            return;
        }
        rs.MoveFirst();
        rs.SetField(QStringLiteral("cname"), newName);
        rs.SetField(QStringLiteral("cpwd"), newPassword);
        rs.Update();
        rs.Close();
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法修改账户：用户数据库 cuser.mdb 打不开或无法写入，账户没有改动。\n%1").arg(e.message()),
               MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    // Only a stored change is taken over, so the signed-in account and the file agree.
    Module().CurrentUserName = newName;
    Module().CurrentUserPassword = newPassword;
    MsgBox(QStringLiteral("已经修改，将在下次进入此程序生效！"), MsgButtons::OK, MsgIcon::Information);
    Unload();
}

}  // namespace halvern
