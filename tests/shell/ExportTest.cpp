#include "TestProgram.h"
#include "MainWindowInput.h"
#include "XlsxReader.h"

#include "platform/DataControl.h"
#include "platform/Spreadsheet.h"
#include "platform/WindowHost.h"
#include "shell/Form1.h"

#include <QDir>

using namespace platform;
using namespace halvern;
using halvern::test::chooseView;
using halvern::test::gridPopup;
using halvern::test::menuCommand;
using halvern::test::ProgramTest;
using halvern::test::quickSearch;
using halvern::test::toolbarButton;
using halvern::test::ReadSheet1;
using halvern::test::SheetCells;

namespace {

class ExportTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        QDir().mkpath(path(QStringLiteral("tmp")));
        oldTmp_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", path(QStringLiteral("tmp")).toLocal8Bit());
        SetSpreadsheetOpener([this](const QString& file) {
            opened << file;
            return canOpen;
        });
        addEmployee(QStringLiteral("2"), QStringLiteral("乙"),
                    {{QStringLiteral("部门"), QStringLiteral("B部")}, {QStringLiteral("职位"), QStringLiteral("职员")},
                     {QStringLiteral("录用日期"), QStringLiteral("2002-02-02")}});
        addEmployee(QStringLiteral("1"), QStringLiteral("甲"),
                    {{QStringLiteral("部门"), QStringLiteral("A部")}, {QStringLiteral("录用日期"), QStringLiteral("2001-01-01")}});
        addEmployee(QStringLiteral("3"), QStringLiteral("丙"), {{QStringLiteral("部门"), QStringLiteral("C部")}});
        f = WindowHost::Default<Form1>();
        WindowHost::Show(f, ShowMode::Modeless);
        processEvents();
        // As wide as a common screen makes it, where the toolbar shows every button.
        f->resize(1200, 800);
        processEvents();
    }
    void TearDown() override {
        SetSpreadsheetOpener({});
        qputenv("TMPDIR", oldTmp_);
        ProgramTest::TearDown();
    }
    void view(int position) { chooseView(f, position); }
    // 打印 > 打印到EXCEl from the menu bar, and the toolbar's button for the same.
    void menuExport() { menuCommand(f, QStringLiteral("打印(&D)"), QStringLiteral("打印到EXCEl")); }
    void toolbarExport() { toolbarButton(f, QStringLiteral("prn")); }
    SheetCells lastSheet() const {
        EXPECT_FALSE(opened.isEmpty());
        return opened.isEmpty() ? SheetCells{} : ReadSheet1(opened.last());
    }
    // The grid, cell by cell, as it should stand from sheet row firstRow on.
    void expectGrid(const SheetCells& sheet, int firstRow, int maxCols) const {
        const int cols = std::min(f->dgrid->Cols(), maxCols);
        for (int r = 0; r < f->dgrid->Rows(); ++r)
            for (int c = 0; c < cols; ++c)
                EXPECT_EQ(sheet.at(firstRow + r, c + 1), f->dgrid->TextMatrix(r, c)) << "grid cell " << r << "," << c;
        for (const auto& [pos, text] : sheet.cells) {
            if (pos.first >= firstRow) {
                EXPECT_LE(pos.second, cols) << "sheet cell " << pos.first << "," << pos.second;
            }
        }
    }

    Form1* f = nullptr;
    QStringList opened;
    bool canOpen = true;

private:
    QByteArray oldTmp_;
};

TEST_F(ExportTest, MenuExportPutsTheTitleInF1AndTheGridFromRow3) {
    view(4);
    halvern::test::clickCell(f->dgrid, 1, 0);
    gridPopup(f, 1, {QStringLiteral("排序"), QStringLiteral("员工编号")});  // ".", 1, 2, 3
    menuExport();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(messages().empty());
    // Named after its title, for a program that opens the file itself and saves it so.
    EXPECT_TRUE(QFileInfo(opened.first()).fileName().startsWith(QStringLiteral("人事基本资料-")))
        << opened.first().toStdString();
    const SheetCells sheet = lastSheet();
    ASSERT_TRUE(sheet.ok);
    EXPECT_EQ(sheet.at(1, 6), QStringLiteral("人事基本资料"));
    for (int c = 1; c <= 30; ++c) EXPECT_FALSE(sheet.has(2, c));
    EXPECT_EQ(sheet.at(3, 1), QStringLiteral("员工编号"));
    EXPECT_EQ(sheet.at(3, 5), QStringLiteral("录用日期"));
    EXPECT_EQ(sheet.at(5, 1), QStringLiteral("1"));
    // 甲 has no position: an empty cell, and the hiring date still in column E.
    EXPECT_FALSE(sheet.has(5, 4));
    EXPECT_EQ(sheet.at(5, 5), QStringLiteral("2001-01-01"));
    EXPECT_EQ(sheet.maxRow(), 7);
    expectGrid(sheet, 3, 27);
}

TEST_F(ExportTest, MenuExportStopsAfter27ColumnsWhileTheToolbarCopiesThemAll) {
    // After load the grid shows every column of 员工信息: 30 of them.
    ASSERT_EQ(f->dgrid->Cols(), 30);
    menuExport();
    const SheetCells menu = lastSheet();
    EXPECT_EQ(menu.at(3, 27), QStringLiteral("专业"));
    EXPECT_EQ(menu.maxColumn(), 27);
    expectGrid(menu, 3, 27);

    toolbarExport();
    const SheetCells toolbar = lastSheet();
    EXPECT_EQ(toolbar.at(2, 30), QStringLiteral("图片"));
    expectGrid(toolbar, 2, 30);
}

TEST_F(ExportTest, ToolbarExportStartsAtRow2KeepsTheSearchOrderAndEndsOnTheLastCell) {
    view(4);
    quickSearch(f, QStringLiteral("cx"), QStringLiteral("员工编号"), QStringLiteral(">(大于)"), QStringLiteral("1"));
    ASSERT_EQ(f->dgrid->Rows(), 3);  // header, 2, 3

    toolbarExport();
    ASSERT_EQ(opened.size(), 1);
    // Named after the view it was copied from.
    EXPECT_TRUE(QFileInfo(opened.first()).fileName().startsWith(f->PanelText(3) + QLatin1Char('-')))
        << opened.first().toStdString();
    EXPECT_FALSE(f->PanelText(3).isEmpty());
    const SheetCells sheet = lastSheet();
    for (int c = 1; c <= 30; ++c) EXPECT_FALSE(sheet.has(1, c));
    EXPECT_EQ(sheet.at(2, 1), QStringLiteral("员工编号"));
    EXPECT_EQ(sheet.at(3, 1), f->dgrid->TextMatrix(1, 0));
    EXPECT_EQ(sheet.at(4, 1), f->dgrid->TextMatrix(2, 0));
    EXPECT_EQ(sheet.maxRow(), 4);
    expectGrid(sheet, 2, 30);
    EXPECT_EQ(f->dgrid->Row(), f->dgrid->Rows() - 1);
    EXPECT_EQ(f->dgrid->Col(), f->dgrid->Cols() - 1);
}

TEST_F(ExportTest, AViewOfManyScreensIsCopiedWholeInItsOwnOrder) {
    // Several blocks of rows, the departments repeating: the order among equals counts too.
    {
        auto conn = db();
        Transaction tx(*conn);
        for (int i = 0; i < 3 * RecordModel::kBlockRows + 5; ++i)
            conn->execute(QStringLiteral("insert into 员工信息 (员工编号,姓名,部门) values (?,?,?)"),
                          {QStringLiteral("N%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("员工%1").arg(i),
                           QStringLiteral("部门%1").arg(i % 4)});
        tx.commit();
    }
    view(4);
    QStringList order;
    {
        auto conn = db();
        Statement st(*conn, QStringLiteral("select 员工编号 from 员工信息 order by 部门 desc"));
        while (st.next()) order << st.value(0).toString();
    }
    ASSERT_EQ(f->dgrid->Rows(), order.size() + 1);
    menuExport();
    const SheetCells menu = lastSheet();
    toolbarExport();
    const SheetCells toolbar = lastSheet();
    for (int r = 0; r < order.size(); ++r) {
        ASSERT_EQ(menu.at(r + 4, 1), order.at(r)) << r;
        ASSERT_EQ(toolbar.at(r + 3, 1), order.at(r)) << r;
    }
    EXPECT_EQ(menu.maxRow(), order.size() + 3);
    EXPECT_EQ(toolbar.maxRow(), order.size() + 2);
    expectGrid(toolbar, 2, 30);
}

TEST_F(ExportTest, WithoutASpreadsheetProgramTheMessageNamesTheFileAndTheWindowGoesOn) {
    canOpen = false;
    view(4);
    menuExport();
    ASSERT_EQ(opened.size(), 1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(QDir::toNativeSeparators(opened.first())));
    EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));
    EXPECT_TRUE(QFileInfo::exists(opened.first()));

    toolbarExport();
    EXPECT_EQ(messages().size(), 2u);
    view(6);
    EXPECT_EQ(f->PanelText(3), QStringLiteral("其他情况"));
    EXPECT_EQ(f->ViewMode, 6);
}

}  // namespace
