#include "TestProgram.h"
#include "UserInput.h"

#include "platform/WindowHost.h"
#include "shell/Form1.h"
#include "shell/Formyf.h"
#include "common/ModuleState.h"
#include "shell/frmLogin.h"

#include <QFile>

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;

class AccountManagement : public ProgramTest {
protected:
    Formyf* f = nullptr;
    void SetUp() override {
        ProgramTest::SetUp();
        Module().CurrentUserName = QStringLiteral("lorap");
        Module().CurrentUserPassword = QStringLiteral("lorap");
        f = WindowHost::Default<Formyf>();
        WindowHost::Show(f, ShowMode::Modal);
        halvern::test::activate(f);
    }
    // A click on 确定.
    void confirm() { halvern::test::click(f->ui.Command1); }
    void type(const QString& old, const QString& name, const QString& pwd, const QString& again) {
        f->ui.Text1[0]->setText(old);
        f->ui.Text1[1]->setText(name);
        f->ui.Text1[2]->setText(pwd);
        f->ui.Text1[3]->setText(again);
    }
    QStringList accounts() const {
        QStringList out;
        Statement st(*userDb(), QStringLiteral("select cname, cpwd from cuser order by rowid"));
        while (st.next()) out << st.value(0).toString() + QLatin1Char('/') + st.value(1).toString();
        return out;
    }
    bool signIn(const QString& name, const QString& pwd) {
        auto* login = WindowHost::Default<frmLogin>();
        WindowHost::Show(login, ShowMode::Modeless);
        login->ui.txtUserName->setText(name);
        login->ui.txtPassword->setText(pwd);
        halvern::test::activate(login);
        halvern::test::click(login->ui.cmdOK);
        const bool ok = login->LoginSucceeded;
        if (WindowHost::Exists<frmLogin>()) login->Unload();
        WindowHost::Unload<Form1>();
        processEvents();
        return ok;
    }
};

TEST_F(AccountManagement, CurrentPasswordMustMatchExactlyIncludingCase) {
    type("LORAP", "neu", "pw", "pw");
    confirm();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("旧密码输入不准确！！"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(accounts(), QStringList{"lorap/lorap"});
    EXPECT_TRUE(WindowHost::Exists<Formyf>());
    EXPECT_EQ(f->ui.Text1[1]->text(), QStringLiteral("neu"));
}

TEST_F(AccountManagement, MissingNameOrPasswordAndMismatchedRepeatAreRefused) {
    for (const auto& [name, pwd, again] : {std::tuple{"neu", "", ""}, std::tuple{"neu", "pw", "pW"}, std::tuple{"", "pw", "pw"}}) {
        clearMessages();
        type("lorap", name, pwd, again);
        confirm();
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].text, QStringLiteral("新用户名未输入或者两次输入的新密码不符！"));
        EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    }
    EXPECT_EQ(accounts(), QStringList{"lorap/lorap"});
    EXPECT_EQ(Module().CurrentUserPassword, QStringLiteral("lorap"));
}

TEST_F(AccountManagement, ChangeRewritesOnlyTheFirstMatchingRowAndSignInTakesTheNewAccount) {
    userDb()->execute(QStringLiteral("insert into cuser (cname,cpwd) values ('lorap','lorap')"));
    type("lorap", "O'Neil \"chef\"", "it's", "it's");
    confirm();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("已经修改，将在下次进入此程序生效！"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Information);
    EXPECT_EQ(accounts(), (QStringList{"O'Neil \"chef\"/it's", "lorap/lorap"}));
    EXPECT_EQ(Module().CurrentUserName, QStringLiteral("O'Neil \"chef\""));
    EXPECT_EQ(Module().CurrentUserPassword, QStringLiteral("it's"));
    processEvents();
    EXPECT_FALSE(WindowHost::Exists<Formyf>());

    clearMessages();
    EXPECT_TRUE(signIn(QStringLiteral("O'Neil \"chef\""), QStringLiteral("it's")));
    userDb()->execute(QStringLiteral("delete from cuser where cpwd='lorap'"));
    EXPECT_FALSE(signIn(QStringLiteral("lorap"), QStringLiteral("lorap")));
}

TEST_F(AccountManagement, SecondChangeInOneRunNeedsTheNewPassword) {
    type("lorap", "lorap", "zwei", "zwei");  // the same name: only the password changes
    confirm();
    processEvents();
    clearMessages();
    f = WindowHost::Default<Formyf>();
    WindowHost::Show(f, ShowMode::Modal);
    halvern::test::activate(f);
    type("lorap", "lorap", "drei", "drei");
    confirm();
    EXPECT_EQ(lastMessage(), QStringLiteral("旧密码输入不准确！！"));
    type("zwei", "lorap", "drei", "drei");
    confirm();
    EXPECT_EQ(lastMessage(), QStringLiteral("已经修改，将在下次进入此程序生效！"));
    EXPECT_EQ(accounts(), QStringList{"lorap/drei"});
}

TEST_F(AccountManagement, SignedInAccountNoLongerOnFileIsReportedAsLogin) {
    userDb()->execute(QStringLiteral("update cuser set cpwd='elsewhere'"));
    type("lorap", "neu", "pw", "pw");
    confirm();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("用户或者密码不正确！！"));
    EXPECT_EQ(messages()[0].title, QStringLiteral("登录"));
    EXPECT_EQ(Module().CurrentUserName, QStringLiteral("lorap"));
    EXPECT_TRUE(WindowHost::Exists<Formyf>());
}

TEST_F(AccountManagement, MissingOrUnreadableUserDatabaseGivesAClearMessage) {
    type("lorap", "neu", "pw", "pw");
    QFile::rename(path("cuser.mdb"), path("cuser.bak"));
    confirm();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("cuser.mdb"))) << lastMessage().toStdString();

    QFile garbage(path("cuser.mdb"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(8192, 'z'));
    garbage.close();
    confirm();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_TRUE(messages()[1].text.contains(QStringLiteral("账户没有改动")));
    EXPECT_EQ(Module().CurrentUserName, QStringLiteral("lorap"));
    EXPECT_EQ(Module().CurrentUserPassword, QStringLiteral("lorap"));
    EXPECT_TRUE(WindowHost::Exists<Formyf>());
}

