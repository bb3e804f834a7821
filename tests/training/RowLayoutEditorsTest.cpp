#include "TestProgram.h"
#include "UserInput.h"

#include "platform/Recordset.h"
#include "platform/WindowHost.h"
#include "training/Formnew.h"
#include "training/Formnew1.h"

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;
using halvern::test::clickControl;

class RowLayoutEditors : public ProgramTest {
protected:
    template <class T>
    T* open() {
        auto* w = WindowHost::Default<T>();
        WindowHost::Show(w, ShowMode::Modal);
        return w;
    }

    QStringList names(const QString& table) {
        Recordset rs;
        rs.Open(QStringLiteral("select su from %1 order by id").arg(QuoteIdentifier(table)), db());
        QStringList out;
        for (; !rs.EOF_(); rs.MoveNext()) out << rs.Text(QStringLiteral("su"));
        return out;
    }

    static QStringList comboItems(const QComboBox* c) {
        QStringList out;
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        return out;
    }

    static QStringList gridColumn(const FlexGrid* g) {
        QStringList out;
        for (int r = 1; r < g->Rows(); ++r) out << g->TextMatrix(r, 0);
        return out;
    }
};

TEST_F(RowLayoutEditors, ManagersEditorShowsGroupsAboveAndItemsBelow) {
    auto* w = open<Formnew>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("经理考核表定义"));
    EXPECT_EQ(gridColumn(w->ui.MSHFlexGrid1), (QStringList{QStringLiteral("上半年"), QStringLiteral("下半年")}));
    EXPECT_EQ(w->ui.MSHFlexGrid1->TextMatrix(0, 0), QStringLiteral("su"));
    EXPECT_EQ(gridColumn(w->ui.MSHFlexGrid2),
              (QStringList{QStringLiteral("自我评价"), QStringLiteral("上级评价"), QStringLiteral("部门评价")}));
    EXPECT_EQ(comboItems(w->ui.Text2), (QStringList{QStringLiteral("上半年"), QStringLiteral("下半年")}));
    EXPECT_EQ(w->ui.Text2->currentText(), QStringLiteral("下半年"));  // the last name
    EXPECT_EQ(w->ui.Text4->currentText(), QStringLiteral("部门评价"));
    EXPECT_TRUE(w->ui.Text1->text().isEmpty());
    EXPECT_TRUE(w->ui.text3->text().isEmpty());
}

TEST_F(RowLayoutEditors, AnAddGoesLastInItsLevelAndLeavesTheOtherHalfAlone) {
    auto* w = open<Formnew>();
    w->ui.Text4->setEditText(QStringLiteral("typed, not deleted"));
    w->ui.Text1->setText(QStringLiteral("全年"));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(names(QStringLiteral("经理竖2")),
              (QStringList{QStringLiteral("上半年"), QStringLiteral("下半年"), QStringLiteral("全年")}));
    EXPECT_EQ(w->ui.MSHFlexGrid1->Rows(), 4);
    EXPECT_EQ(w->ui.Text2->currentText(), QStringLiteral("全年"));
    EXPECT_TRUE(w->ui.Text1->text().isEmpty());
    EXPECT_EQ(w->ui.Text4->currentText(), QStringLiteral("typed, not deleted"));
    EXPECT_EQ(w->ui.MSHFlexGrid2->Rows(), 4);

    w->ui.text3->setText(QStringLiteral("  "));  // blanks are a name
    clickControl(w->ui.Command3);
    EXPECT_EQ(names(QStringLiteral("经理竖1")).last(), QStringLiteral("  "));
    EXPECT_EQ(w->ui.Text4->count(), 4);
    EXPECT_EQ(names(QStringLiteral("经理竖2")).size(), 3);
}

TEST_F(RowLayoutEditors, EmptyBoxesAreRefusedInBothHalves) {
    auto* w = open<Formnew>();
    w->ui.Text2->setEditText(QString());
    w->ui.Text4->setEditText(QString());
    clickControl(w->ui.Command1);
    clickControl(w->ui.Command2);
    clickControl(w->ui.Command3);
    clickControl(w->ui.Command4);
    ASSERT_EQ(messages().size(), 4u);
    for (const MsgRecord& m : messages()) {
        EXPECT_EQ(m.text, QStringLiteral("请填写栏目"));
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_EQ(m.title, QStringLiteral("提示"));
    }
    EXPECT_EQ(names(QStringLiteral("经理竖2")).size(), 2);
    EXPECT_EQ(names(QStringLiteral("经理竖1")).size(), 3);
}

TEST_F(RowLayoutEditors, DuplicatesAreKeptAndOneDeleteRemovesOneOfThem) {
    auto* w = open<Formnew>();
    w->ui.text3->setText(QStringLiteral("上级评价"));
    clickControl(w->ui.Command3);
    EXPECT_EQ(names(QStringLiteral("经理竖1")).count(QStringLiteral("上级评价")), 2);
    w->ui.Text4->setEditText(QStringLiteral("上级评价"));
    clickControl(w->ui.Command4);
    EXPECT_EQ(names(QStringLiteral("经理竖1")),
              (QStringList{QStringLiteral("自我评价"), QStringLiteral("部门评价"), QStringLiteral("上级评价")}));
    EXPECT_EQ(comboItems(w->ui.Text4), names(QStringLiteral("经理竖1")));
    EXPECT_EQ(w->ui.MSHFlexGrid2->Rows(), 4);
    EXPECT_EQ(names(QStringLiteral("经理竖2")).size(), 2);
}

TEST_F(RowLayoutEditors, DeletingANameNotOnFileSaysSoAndChangesNothing) {
    auto* w = open<Formnew>();
    w->ui.Text2->setEditText(QStringLiteral("第三季度"));
    w->ui.Text1->setText(QStringLiteral("kept"));
    clickControl(w->ui.Command2);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("输入有误！"));
    EXPECT_EQ(names(QStringLiteral("经理竖2")).size(), 2);
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("kept"));
}

TEST_F(RowLayoutEditors, ANameWithAQuoteIsAddedAndDeletedLikeAnyOther) {
    auto* w = open<Formnew>();
    w->ui.Text1->setText(QStringLiteral("O'Neil's 'x' or su<>'"));
    clickControl(w->ui.Command1);
    EXPECT_EQ(names(QStringLiteral("经理竖2")).last(), QStringLiteral("O'Neil's 'x' or su<>'"));
    w->ui.Text2->setEditText(QStringLiteral("O'Neil's 'x' or su<>'"));
    clickControl(w->ui.Command2);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(names(QStringLiteral("经理竖2")), (QStringList{QStringLiteral("上半年"), QStringLiteral("下半年")}));
}

TEST_F(RowLayoutEditors, DeletingTheLastRowEmptiesGridAndCombo) {
    auto* w = open<Formnew>();
    for (const QString& n : {QStringLiteral("上半年"), QStringLiteral("下半年")}) {
        w->ui.Text2->setEditText(n);
        clickControl(w->ui.Command2);
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w->ui.MSHFlexGrid1->Rows(), 1);
    EXPECT_EQ(w->ui.Text2->count(), 0);
    EXPECT_TRUE(w->ui.Text2->currentText().isEmpty());
}

TEST_F(RowLayoutEditors, StaffEditorWorksOnTheStaffTablesOnly) {
    auto* w = open<Formnew1>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("员工考核表定义"));
    EXPECT_EQ(comboItems(w->ui.Text4), (QStringList{QStringLiteral("自我评价"), QStringLiteral("主管评价")}));
    w->ui.Text1->setText(QStringLiteral("全年"));
    clickControl(w->ui.Command1);
    w->ui.Text4->setEditText(QStringLiteral("主管评价"));
    clickControl(w->ui.Command4);
    EXPECT_EQ(names(QStringLiteral("员工竖2")).last(), QStringLiteral("全年"));
    EXPECT_EQ(names(QStringLiteral("员工竖1")), QStringList{QStringLiteral("自我评价")});
    EXPECT_EQ(names(QStringLiteral("经理竖2")).size(), 2);
    EXPECT_EQ(names(QStringLiteral("经理竖1")).size(), 3);
}
