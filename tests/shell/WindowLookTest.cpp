#include "WindowLookTest.h"

#include "platform/MessageBox.h"
#include "platform/Translations.h"
#include "shell/Form1.h"
#include "shell/Formsjbf.h"
#include "shell/Formsjhf.h"
#include "shell/Formyf.h"
#include "shell/frmLogin.h"
#include "shell/frmPrint.h"
#include "shell/frmSplash.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>

using namespace platform;
using namespace halvern;
using halvern::test::WindowLookTest;

class ShellWindowLook : public WindowLookTest {
protected:
    void SetUp() override {
        WindowLookTest::SetUp();
        addEmployee(QStringLiteral("E1"), QStringLiteral("张三_鹰"),
                    {{QStringLiteral("部门"), QStringLiteral("技术部 ")},
                     {QStringLiteral("合同到期日"), QDate::currentDate().addDays(3).toString(Qt::ISODate)}});
    }
};

TEST_F(ShellWindowLook, MainWindowWithItsTreeGridAndReminder) {
    auto* main = WindowHost::Default<Form1>();
    WindowHost::Show(main);
    main->ui.tree->expandAll();
    expectReadable(main);
}

TEST_F(ShellWindowLook, MainWindowFrameIsTheScreenLessFourHundredTwips) {
    auto* main = WindowHost::Default<Form1>();
    WindowHost::Show(main);
    processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(main->frameGeometry(), QRect(0, 0, screen.width(), screen.height() - 27));
}

TEST_F(ShellWindowLook, SignIn) { expectReadable<frmLogin>(); }
TEST_F(ShellWindowLook, Splash) { expectReadable<frmSplash>(); }
TEST_F(ShellWindowLook, AccountManagement) { expectReadable<Formyf>(); }
TEST_F(ShellWindowLook, BackupFolder) { expectReadable<Formsjbf>(); }
TEST_F(ShellWindowLook, RestoreFolder) { expectReadable<Formsjhf>(); }

TEST_F(ShellWindowLook, PrintPreview) {
    WindowHost::Show(WindowHost::Default<Form1>());
    auto* preview = new frmPrint();
    WindowHost::Show(preview);
    expectReadable(preview);
    preview->Unload();
}

TEST_F(ShellWindowLook, MessageBoxesShowTheirWholeTitleAndText) {
    const std::vector<MsgRecord> boxes{
        {QStringLiteral("查询到0条记录"), QStringLiteral("查询结果"), MsgIcon::Exclamation, MsgButtons::OK},
        {QStringLiteral("请先选择一条培训档案"), QStringLiteral("提示"), MsgIcon::Critical, MsgButtons::OK},
        {QStringLiteral("."), QStringLiteral("提示"), MsgIcon::None, MsgButtons::OK},
        {QStringLiteral("此操作将真正删除数据库中数据，请慎重操作"), QStringLiteral("提示"), MsgIcon::Information,
         MsgButtons::OKCancel},
    };
    for (const MsgRecord& rec : boxes) {
        const auto box = BuildMsgBox(rec);
        box->show();
        processEvents();
        EXPECT_GE(box->width(), MsgBoxWidthForTitle(rec.title)) << rec.title.toStdString();
        // Room for the title beside the frame's buttons: at least the title's width and then some.
        EXPECT_GT(MsgBoxWidthForTitle(rec.title), QFontMetrics(box->font()).horizontalAdvance(rec.title) + 100);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), rec.text);
        EXPECT_TRUE(halvern::test::CrampedParts(box.get()).isEmpty())
            << halvern::test::CrampedParts(box.get()).join('\n').toStdString();
        box->hide();
    }
}

TEST_F(ShellWindowLook, QtsOwnSaveDialogSpeaksChinese) {
    ASSERT_TRUE(LoadQtTranslations());
    QFileDialog dialog(nullptr, QStringLiteral("导出PDF"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.show();
    processEvents();
    QStringList english;
    for (auto* label : dialog.findChildren<QLabel*>())
        if (label->text().contains(QRegularExpression(QStringLiteral("Look in|File name|Files of type")))) english << label->text();
    for (auto* button : dialog.findChildren<QAbstractButton*>())
        if (button->text().contains(QRegularExpression(QStringLiteral("^&?(Save|Cancel)$")))) english << button->text();
    EXPECT_TRUE(english.isEmpty()) << english.join(QLatin1Char(',')).toStdString();
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("File &name:"));
    dialog.hide();
}
