#include "TestProgram.h"
#include "UserInput.h"

#include "platform/Recordset.h"
#include "platform/WindowHost.h"
#include "common/ModuleState.h"
#include "training/Formshowpx.h"
#include "training/frmdaxg.h"

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;
using halvern::test::clickControl;

class TrainingModify : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        addEmployee(QStringLiteral("E01"), QStringLiteral("张三"));
        // Three records of one employee; the first carries a Null remark.
        const QString sql = QStringLiteral("insert into 培训 (员工编号,姓名,部门,培训项目,备注) values (?,?,?,?,?)");
        db()->execute(sql, {QStringLiteral("E01"), QStringLiteral("张三 "), QStringLiteral("人事部 "),
                            QStringLiteral("安全 "), QVariant()});
        db()->execute(sql, {QStringLiteral("E01"), QStringLiteral("张三 "), QStringLiteral("人事部 "),
                            QStringLiteral("消防 "), QStringLiteral("二 ")});
        db()->execute(sql, {QStringLiteral("E01"), QStringLiteral("张三 "), QStringLiteral("人事部 "),
                            QStringLiteral("急救 "), QStringLiteral("三 ")});
        Module().CurrentTrainingKey = QStringLiteral("E01");
    }

    template <class T>
    T* open() {
        auto* w = WindowHost::Default<T>();
        WindowHost::Show(w, ShowMode::Modal);
        processEvents();
        return WindowHost::Exists<T>() ? w : nullptr;
    }

    QStringList subjects(const QString& no) {
        Recordset rs;
        rs.Open(QStringLiteral("select 培训项目 from 培训 where 员工编号=? order by rowid"), db(), LockType::ReadOnly, {no});
        QStringList out;
        for (; !rs.EOF_(); rs.MoveNext()) out << rs.Text(QStringLiteral("培训项目"));
        return out;
    }
};

TEST_F(TrainingModify, BothWindowsShowTheFirstRecordOfTheEmployeeTrimmedWithOneBlankAfter) {
    db()->execute(QStringLiteral("update 培训 set 培训时间='  2020-01-02   ' where 培训项目='安全 '"));
    auto* m = open<frmdaxg>();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->windowTitle(), QStringLiteral("培训档案修改"));
    EXPECT_EQ(m->ui.Text1->text(), QStringLiteral("E01 "));
    EXPECT_EQ(m->ui.Text2->text(), QStringLiteral("张三 "));
    EXPECT_EQ(m->ui.text3->currentText(), QStringLiteral("人事部 "));
    EXPECT_EQ(m->ui.text3->count(), 0);
    EXPECT_EQ(m->ui.Text4->text(), QStringLiteral("2020-01-02 "));
    EXPECT_EQ(m->ui.Text5->text(), QStringLiteral("安全 "));
    EXPECT_EQ(m->ui.Text12->text(), QStringLiteral(" "));  // Null shows as the blank alone
    EXPECT_EQ(m->ui.Text6->text(), QStringLiteral(" "));

    auto* v = open<Formshowpx>();
    ASSERT_TRUE(v);
    EXPECT_EQ(v->windowTitle(), QStringLiteral("员工培训详细资料"));
    EXPECT_EQ(v->ui.Text5->text(), QStringLiteral("安全 "));
    EXPECT_TRUE(v->ui.Text5->isReadOnly());
    EXPECT_TRUE(v->ui.text3->lineEdit()->isReadOnly());
    EXPECT_TRUE(messages().empty());
}

TEST_F(TrainingModify, SaveOverwritesThatRecordOnlyAndClearsTheBoxes) {
    auto* m = open<frmdaxg>();
    ASSERT_TRUE(m);
    m->ui.Text5->setText(QStringLiteral("安全生产"));
    m->ui.Text7->setText(QStringLiteral("300"));
    clickControl(m->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(subjects(QStringLiteral("E01")),
              (QStringList{QStringLiteral("安全生产 "), QStringLiteral("消防 "), QStringLiteral("急救 ")}));
    Recordset rs;
    rs.Open(QStringLiteral("select * from 培训 where 员工编号='E01' order by rowid"), db());
    // Every box is stored without the blanks at its end and with one blank
    // appended; the number without its blank, so the record is still found by it.
    EXPECT_EQ(rs.Text(QStringLiteral("员工编号")), QStringLiteral("E01"));
    EXPECT_EQ(rs.Text(QStringLiteral("姓名")), QStringLiteral("张三 "));
    EXPECT_EQ(rs.Text(QStringLiteral("培训费用")), QStringLiteral("300 "));
    EXPECT_EQ(rs.Text(QStringLiteral("备注")), QStringLiteral(" "));
    rs.MoveNext();
    EXPECT_EQ(rs.Text(QStringLiteral("备注")), QStringLiteral("二 "));

    EXPECT_TRUE(m->ui.Text1->text().isEmpty());
    EXPECT_TRUE(m->ui.Text5->text().isEmpty());
    EXPECT_EQ(m->ui.text3->currentText(), QStringLiteral("人事部 "));
    EXPECT_TRUE(WindowHost::Exists<frmdaxg>());
    // Modified once more, the record opens again and the loaded texts stay the same.
    m->Unload();
    processEvents();
    m = open<frmdaxg>();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->ui.Text2->text(), QStringLiteral("张三 "));
    EXPECT_EQ(m->ui.Text5->text(), QStringLiteral("安全生产 "));
}

TEST_F(TrainingModify, AnUnchangedSaveKeepsOneBlankAfterEachTextAndASecondChangesNothing) {
    // The first record of E01, column by column.
    const auto firstRecord = [this] {
        QVariantMap m;
        Statement st(*db(), QStringLiteral("select * from 培训 where 员工编号='E01' order by rowid limit 1"));
        if (st.next())
            for (int i = 0; i < st.columnCount(); ++i) m.insert(st.columnName(i), st.value(i));
        return m;
    };
    const auto saveUnchanged = [this] {
        auto* m = open<frmdaxg>();
        if (!m) return;
        halvern::test::activate(m);
        halvern::test::click(m->ui.Command1);
        EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
        m->Unload();
        processEvents();
    };
    saveUnchanged();
    QVariantMap once = firstRecord();
    EXPECT_EQ(once[QStringLiteral("员工编号")], QStringLiteral("E01"));
    EXPECT_EQ(once[QStringLiteral("姓名")], QStringLiteral("张三 "));
    EXPECT_EQ(once[QStringLiteral("部门")], QStringLiteral("人事部 "));
    EXPECT_EQ(once[QStringLiteral("培训项目")], QStringLiteral("安全 "));
    EXPECT_EQ(once[QStringLiteral("备注")], QStringLiteral(" "));  // Null is saved as the blank alone
    saveUnchanged();
    EXPECT_EQ(firstRecord(), once);

    // Blanks typed at the end of a box go too; those at its start stay.
    auto* m = open<frmdaxg>();
    ASSERT_TRUE(m);
    m->ui.Text5->setText(QStringLiteral("安全生产   "));
    m->ui.Text8->setText(QStringLiteral("  王老师"));
    clickControl(m->ui.Command1);
    once = firstRecord();
    EXPECT_EQ(once[QStringLiteral("培训项目")], QStringLiteral("安全生产 "));
    EXPECT_EQ(once[QStringLiteral("授课师资")], QStringLiteral("  王老师 "));
}

TEST_F(TrainingModify, ChangingTheNumberMovesTheRecordToThatEmployee) {
    auto* m = open<frmdaxg>();
    ASSERT_TRUE(m);
    m->ui.Text1->setText(QStringLiteral("E02"));
    clickControl(m->ui.Command1);
    EXPECT_EQ(subjects(QStringLiteral("E02")), QStringList{QStringLiteral("安全 ")});
    EXPECT_EQ(subjects(QStringLiteral("E01")), (QStringList{QStringLiteral("消防 "), QStringLiteral("急救 ")}));
}

TEST_F(TrainingModify, ASecondSaveInOneVisitWritesNothing) {
    auto* m = open<frmdaxg>();
    ASSERT_TRUE(m);
    m->ui.Text1->setText(QStringLiteral("E02"));
    clickControl(m->ui.Command1);
    // The boxes are empty now; neither the moved record nor the next one of E01 is touched.
    m->ui.Text1->setText(QStringLiteral("E01"));
    clickControl(m->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(subjects(QStringLiteral("E02")), QStringList{QStringLiteral("安全 ")});
    EXPECT_EQ(subjects(QStringLiteral("E01")), (QStringList{QStringLiteral("消防 "), QStringLiteral("急救 ")}));
}

TEST_F(TrainingModify, AnEmptyNumberIsRefusedAndTheRecordStaysAsItWas) {
    auto* m = open<frmdaxg>();
    ASSERT_TRUE(m);
    m->ui.Text1->clear();
    m->ui.Text5->setText(QStringLiteral("改了"));
    clickControl(m->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("员工编号不能为空"));
    EXPECT_EQ(subjects(QStringLiteral("E01")).first(), QStringLiteral("安全 "));
    EXPECT_EQ(m->ui.Text5->text(), QStringLiteral("改了"));
}

TEST_F(TrainingModify, ARecordDeletedMeanwhileIsNotWrittenAgain) {
    auto* m = open<frmdaxg>();
    ASSERT_TRUE(m);
    db()->execute(QStringLiteral("delete from 培训 where 培训项目='安全 '"));
    m->ui.Text5->setText(QStringLiteral("改了"));
    clickControl(m->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(subjects(QStringLiteral("E01")), (QStringList{QStringLiteral("消防 "), QStringLiteral("急救 ")}));
}

TEST_F(TrainingModify, WithoutARecordForTheKeyNeitherWindowOpens) {
    Module().CurrentTrainingKey = QStringLiteral("E99' or '1'='1");
    EXPECT_FALSE(open<frmdaxg>());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("E99' or '1'='1")));

    Module().CurrentTrainingKey.clear();
    EXPECT_FALSE(open<Formshowpx>());
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, QStringLiteral("请先在“人事培训”中选中一条培训记录。"));
    EXPECT_EQ(count(QStringLiteral("培训"), QStringLiteral("员工编号='E01'")), 3);
}
