#include "frmLogin.h"

#include "Form1.h"
#include "common/ModuleState.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"

#include <QDir>

namespace halvern {

using namespace platform;

namespace {
const QString kUserSql = QStringLiteral("select * from cuser where cname=?");
}

frmLogin::frmLogin() {
    ui.setupUi(this);
    connect(ui.cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(ui.cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
    SetDefaultButton(ui.cmdOK);
    SetCancelButton(ui.cmdCancel);
}

void frmLogin::cmdOK_Click() {
    Module().CurrentUserName = ui.txtUserName->text();
    Module().CurrentUserPassword = ui.txtPassword->text();

    Recordset rs;
    try {
        rs.Open(kUserSql, UserDbConnString(), LockType::ReadOnly, {ui.txtUserName->text()});
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法读取用户数据库 cuser.mdb，程序将退出。\n%1").arg(e.message()), MsgButtons::OK,
               MsgIcon::Critical, QStringLiteral("登录"));
        LoginSucceeded = false;
        Unload();
        WindowHost::EndProgram();
        return;
    }
    if (rs.RecordCount() == 0) {
        MsgBox(QStringLiteral("用户或者密码不正确！！"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("登录"));
        rs.Close();
        return;
    }
    rs.MoveFirst();
    // Only the first row of the name counts; case and blanks of the password matter.
    const bool right = rs.Text(QStringLiteral("cpwd")) == ui.txtPassword->text();
    rs.Close();
    if (right) {
        LoginSucceeded = true;
        hide();
        Unload();
        WindowHost::Show(WindowHost::Default<Form1>(), ShowMode::Modeless);
    } else {
        MsgBox(QStringLiteral("无效的密码，请重试!"), MsgButtons::OK, MsgIcon::None, QStringLiteral("登录"));
        ui.txtPassword->setFocus();
        ui.txtPassword->selectAll();
    }
    // A known name makes sure the photograph folder exists, whatever the password.
    QDir().mkpath(ProgramPath(QStringLiteral("pic")));
}

void frmLogin::cmdCancel_Click() {
    LoginSucceeded = false;
    hide();
    Unload();
    WindowHost::EndProgram();
}

}  // namespace halvern
