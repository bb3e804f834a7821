#include "TestProgram.h"
#include "UserInput.h"

#include "platform/ProgramDir.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"
#include "common/ApplySkin.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"
#include "shell/Startup.h"
#include "shell/frmLogin.h"
#include "shell/frmSplash.h"

#include <QDir>
#include <QFile>

using namespace platform;
using namespace halvern;
using namespace halvern::test;

class SignIn : public ProgramTest {
protected:
    frmLogin* login() {
        auto* w = WindowHost::Default<frmLogin>();
        WindowHost::Show(w, ShowMode::Modeless);
        activate(w);
        return w;
    }
    // Types over what a box holds, as a person who selects it first.
    static void retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        press(Qt::Key_A, Qt::ControlModifier);
        type(text);
    }
    bool picExists() { return QDir(path(QStringLiteral("pic"))).exists(); }
};

TEST_F(SignIn, OpensWithTheShippedAccountPrefilled) {
    auto* w = login();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("登录"));
    EXPECT_EQ(w->ui.txtUserName->text(), QStringLiteral("lorap"));
    EXPECT_EQ(w->ui.txtPassword->text(), QStringLiteral("lorap"));
    EXPECT_EQ(w->ui.txtPassword->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(w->ui.cmdOK->isDefault());
}

TEST_F(SignIn, UnknownNameIsRefusedAndMakesNoPhotographFolder) {
    auto* w = login();
    retype(w->ui.txtUserName, QStringLiteral("nobody"));
    press(Qt::Key_Return);  // Enter in the name box presses the default button
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("用户或者密码不正确！！"));
    EXPECT_EQ(messages()[0].title, QStringLiteral("登录"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(picExists());
    EXPECT_TRUE(WindowHost::Exists<frmLogin>());
    EXPECT_EQ(Module().CurrentUserName, QStringLiteral("nobody"));
}

TEST_F(SignIn, WrongPasswordSelectsItForRetypingAndStillMakesTheFolder) {
    auto* w = login();
    retype(w->ui.txtPassword, QStringLiteral("LORAP"));  // case counts
    press(Qt::Key_Enter);  // the keypad's Enter too
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("无效的密码，请重试!"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::None);
    EXPECT_EQ(w->ui.txtPassword->selectedText(), QStringLiteral("LORAP"));
    EXPECT_TRUE(picExists());
    EXPECT_FALSE(w->LoginSucceeded);
    EXPECT_FALSE(WindowHost::Exists<Form1>());
}

TEST_F(SignIn, RightPasswordOpensTheMainWindowAndClosesSignIn) {
    auto* w = login();
    w->ui.txtPassword->setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_FALSE(WindowHost::Exists<frmLogin>());
    ASSERT_TRUE(WindowHost::Exists<Form1>());
    EXPECT_TRUE(WindowHost::Default<Form1>()->IsLoaded());
    EXPECT_EQ(WindowHost::Default<Form1>()->windowTitle(), QStringLiteral("VARNO HRMS 人事管理系统 2.3"));
    EXPECT_TRUE(picExists());
    EXPECT_EQ(Module().CurrentUserPassword, QStringLiteral("lorap"));
}

TEST_F(SignIn, OnlyTheFirstRowOfANameCounts) {
    userDb()->execute(QStringLiteral("insert into cuser (cname,cpwd) values ('lorap','second')"));
    auto* w = login();
    retype(w->ui.txtPassword, QStringLiteral("second"));
    click(w->ui.cmdOK);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("无效的密码，请重试!"));
}

TEST_F(SignIn, EscEndsTheProgramFromEitherBox) {
    login()->ui.txtPassword->setFocus();
    press(Qt::Key_Escape);
    EXPECT_TRUE(programEnded());
    EXPECT_FALSE(WindowHost::Exists<frmLogin>());
    EXPECT_FALSE(WindowHost::Exists<Form1>());
}

TEST_F(SignIn, EnterPressesTheButtonThatHoldsTheFocus) {
    auto* w = login();
    w->ui.txtPassword->setFocus();
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), w->ui.cmdOK);
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), w->ui.cmdCancel);
    press(Qt::Key_Return);  // Enter on 取消 cancels, though 确定 is the default button
    EXPECT_TRUE(programEnded());
    EXPECT_FALSE(WindowHost::Exists<Form1>());
}

TEST_F(SignIn, UnreadableUserDatabaseEndsInOrder) {
    QFile::remove(path(QStringLiteral("cuser.mdb")));
    QFile f(path(QStringLiteral("cuser.mdb")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2048, '\x5a'));
    f.close();
    click(login()->ui.cmdOK);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(programEnded());
}

TEST_F(SignIn, SplashHandsOverAfterTheThirteenthTickOnly) {
    Main();
    EXPECT_TRUE(Module().ReminderHasRows);
    auto* splash = WindowHost::Default<frmSplash>();
    EXPECT_FALSE(splash->ui.Image1->pixmap().isNull());
    EXPECT_EQ(splash->ui.Timer1->interval(), 200);
    // The timer's ticks, counted without waiting for them.
    for (int i = 0; i < 12; ++i) splash->Timer1_Timer();
    EXPECT_FALSE(WindowHost::Exists<frmLogin>());
    EXPECT_TRUE(splash->ui.Timer1->isActive());
    splash->Timer1_Timer();
    EXPECT_FALSE(splash->ui.Timer1->isActive());
    EXPECT_TRUE(WindowHost::Exists<frmLogin>());
    EXPECT_FALSE(WindowHost::Exists<frmSplash>());
    EXPECT_EQ(shown(), (QStringList{"frmSplash", "frmLogin"}));
}

TEST_F(SignIn, MissingSplashPictureShowsAnEmptySplash) {
    QFile::remove(path(QStringLiteral("varno.jpg")));
    Main();
    EXPECT_TRUE(WindowHost::Default<frmSplash>()->ui.Image1->pixmap().isNull());
}

class Skinning : public ProgramTest {};

TEST_F(Skinning, AppliesFontBackColourAndPicturesInOrder) {
    QWidget w;
    SetBackColor(&w, 0x123456);
    Skin skin;
    ApplySkin(w, skin);
    EXPECT_EQ(BackColor(&w), 0xCECECEu);
    EXPECT_EQ(skin.settings(), (std::array<quint32, 6>{0xFFFFFF, 0xCC3333, 0, 0xFFFFFF, 0, 0x8000000F}));
    EXPECT_EQ(skin.attachValues(), (std::array<int, 6>{19, 20, 90, 140, 240, 400}));
    EXPECT_EQ(skin.captionFont().family(), QStringLiteral("宋体"));
    EXPECT_EQ(skin.captionFont().pointSize(), 9);
    EXPECT_FALSE(skin.captionPicture().isNull());
    EXPECT_FALSE(skin.borderPicture().isNull());
}

TEST_F(Skinning, MissingPicturesStillGiveFontAndColour) {
    QFile::remove(path(QStringLiteral("testcaptionbar.gif")));
    QFile::remove(path(QStringLiteral("testborders.gif")));
    QWidget w;
    Skin skin;
    ApplySkin(w, skin);
    EXPECT_EQ(BackColor(&w), 0xCECECEu);
    EXPECT_EQ(w.font().family(), QStringLiteral("宋体"));
    EXPECT_TRUE(skin.captionPicture().isNull());
}

TEST(ConnectionStrings, ProgramDirectoryGetsExactlyOneSeparator) {
    SetProgramDir(QStringLiteral("/opt/halvern"));
    EXPECT_EQ(DbConnString(), QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False;Data Source=/opt/halvern/db2.mdb"));
    EXPECT_EQ(UserDbConnString(),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/halvern/cuser.mdb;Jet OLEDB:Database Password=wgm;"));
    SetProgramDir(QStringLiteral("/"));
    EXPECT_EQ(DbConnString(), QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False;Data Source=/db2.mdb"));
    SetProgramDir(QString());
}
