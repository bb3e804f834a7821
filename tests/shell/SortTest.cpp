#include "TestProgram.h"
#include "MainWindowInput.h"

#include "platform/WindowHost.h"
#include "shell/Form1.h"

using namespace platform;
using namespace halvern;
using halvern::test::chooseView;
using halvern::test::gridPopup;
using halvern::test::ProgramTest;
using halvern::test::quickSearch;

namespace {

class SortTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // Numbers, departments and hiring dates each in a different order.
        addEmployee(QStringLiteral("3"), QStringLiteral("丙"),
                    {{QStringLiteral("部门"), QStringLiteral("A部")}, {QStringLiteral("录用日期"), QStringLiteral("2001-01-01")}});
        addEmployee(QStringLiteral("1"), QStringLiteral("甲"),
                    {{QStringLiteral("部门"), QStringLiteral("C部")}, {QStringLiteral("录用日期"), QStringLiteral("2003-01-01")}});
        addEmployee(QStringLiteral("2"), QStringLiteral("乙"),
                    {{QStringLiteral("部门"), QStringLiteral("B部")}, {QStringLiteral("录用日期"), QStringLiteral("1999-01-01")}});
        f = WindowHost::Default<Form1>();
        f->Load();
    }
    void view(int position) { chooseView(f, position); }
    // The clerk clicks the first row, then chooses 排序 and the order from the grid's popup.
    void sortBy(const QString& order) {
        halvern::test::clickCell(f->dgrid, 1, 0);
        gridPopup(f, 1, {QStringLiteral("排序"), order});
    }
    // Employee numbers in grid order, the placeholder row left out.
    QStringList numbers() const {
        QStringList out;
        for (int r = 1; r < f->dgrid->Rows(); ++r)
            if (f->dgrid->TextMatrix(r, 0) != QLatin1String(".")) out << f->dgrid->TextMatrix(r, 0);
        return out;
    }
    QStringList comboItems() const {
        QStringList out;
        for (int i = 0; i < f->ui.Combo1->count(); ++i) out << f->ui.Combo1->itemText(i);
        return out;
    }
    Form1* f = nullptr;
};

TEST_F(SortTest, EachEmployeeViewSortsByNumberOrHiringDateAndKeepsItsOwnLayout) {
    for (int mode : {2, 4, 5, 6}) {
        SCOPED_TRACE(mode);
        view(mode);
        const QString format = f->GridFormat;
        const QStringList items = comboItems();
        const QString name = f->PanelText(3);
        const int cols = f->dgrid->Cols();

        sortBy(QStringLiteral("员工编号"));
        EXPECT_EQ(numbers(), (QStringList{"1", "2", "3"}));
        EXPECT_EQ(f->GridFormat, format);
        EXPECT_EQ(comboItems(), items);
        EXPECT_EQ(f->PanelText(3), name);
        EXPECT_EQ(f->dgrid->Cols(), cols);
        EXPECT_EQ(f->PanelText(5), QStringLiteral("共有记录4条"));
        EXPECT_EQ(f->ViewMode, mode);

        // View 6 does not show the hiring date, yet is ordered by it.
        sortBy(QStringLiteral("录用日期"));
        EXPECT_EQ(numbers(), (QStringList{"2", "3", "1"}));
        EXPECT_EQ(f->GridFormat, format);
    }
}

TEST_F(SortTest, ByDepartmentAndByPositionBothRunTheViewAgainDepartmentsDescending) {
    view(4);
    sortBy(QStringLiteral("员工编号"));
    sortBy(QStringLiteral("按职位"));
    const QStringList byPosition = numbers();
    sortBy(QStringLiteral("员工编号"));
    sortBy(QStringLiteral("按部门"));
    EXPECT_EQ(numbers(), byPosition);
    EXPECT_EQ(byPosition, (QStringList{"1", "2", "3"}));  // C部, B部, A部
}

TEST_F(SortTest, AfterAQuickSearchSortingShowsEveryEmployeeAgain) {
    view(4);
    quickSearch(f, QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("=(等于)"), QStringLiteral("甲"));
    ASSERT_EQ(numbers(), QStringList{"1"});
    sortBy(QStringLiteral("员工编号"));
    EXPECT_EQ(numbers(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(f->PanelText(5), QStringLiteral("共有记录4条"));
    EXPECT_EQ(f->dgrid->Cols(), 5);
}

// No popup of these views holds the sort commands: the commands themselves must leave them be.
TEST_F(SortTest, OutsideTheEmployeeViewsTheSortCommandsDoNothing) {
    for (int mode : {8, 9, 10, 13}) {
        SCOPED_TRACE(mode);
        view(mode);
        const platform::Query source = f->data1->RecordSource;
        const QString panel5 = f->PanelText(5);
        f->sortbh_Click();
        f->sortluyong_Click();
        f->sortbumen_Click();
        f->sortzhiwei_Click();
        EXPECT_EQ(f->data1->RecordSource, source);
        EXPECT_EQ(f->PanelText(5), panel5);
        EXPECT_EQ(f->ViewMode, mode);
    }
    EXPECT_TRUE(messages().empty());
}

}  // namespace
