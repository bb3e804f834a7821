#include "TestProgram.h"
#include "MainWindowInput.h"
#include "PdfReader.h"

#include "platform/FlexGrid.h"
#include "platform/PrintPreview.h"
#include "platform/WindowHost.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"
#include "shell/frmPrint.h"

#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QTreeWidgetItem>

using namespace platform;
using namespace halvern;
using halvern::test::pdfPages;
using halvern::test::pdfText;
using halvern::test::chooseView;
using halvern::test::menuCommand;
using halvern::test::ProgramTest;
using halvern::test::quickSearch;

namespace {

QList<frmPrint*> previews() {
    QList<frmPrint*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = dynamic_cast<frmPrint*>(w); p && p->isVisible()) out << p;
    return out;
}

// A click on the preview's 关闭 button.
void closePreview(frmPrint* p) {
    auto* bar = p->pv->findChild<QToolBar*>(QStringLiteral("ControlBar"));
    auto* quit = p->pv->findChild<QAction*>(QStringLiteral("actQuit"));
    ASSERT_TRUE(bar && quit);
    halvern::test::activate(p);
    ASSERT_TRUE(halvern::test::clickToolButton(bar, quit));
}

}  // namespace

class PrintReport : public ProgramTest {
protected:
    Form1* w = nullptr;
    void open() {
        w = WindowHost::Default<Form1>();
        WindowHost::Show(w, ShowMode::Modeless);
        processEvents();
    }
    // 打印 > 打印 from the menu bar.
    void print() { menuCommand(w, QStringLiteral("打印(&D)"), QStringLiteral("打印")); }
    void TearDown() override {
        for (frmPrint* p : previews()) delete p;
        ProgramTest::TearDown();
    }
};

TEST_F(PrintReport, ProgramStartedWithoutEmployeesHasNothingToPrintEvenAfterEntries) {
    db()->execute(QStringLiteral("delete from 员工信息"));
    open();
    addEmployee("A001", "张三");
    chooseView(w, 4);
    print();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("没有可生成报表的数据！"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(previews().isEmpty());
}

TEST_F(PrintReport, FullRecordViewIsTooWideAndOpensNothing) {
    addEmployee("A001", "张三");
    open();
    print();  // the view shown right after start
    chooseView(w, 2);
    print();
    ASSERT_EQ(messages().size(), 2u);
    for (const auto& m : messages()) {
        EXPECT_EQ(m.text, QStringLiteral("完整资料宽度超出打印页面,请选择导入EXCEL!"));
        EXPECT_EQ(m.icon, MsgIcon::Critical);
    }
    EXPECT_TRUE(previews().isEmpty());
    EXPECT_FALSE(shown().contains(QStringLiteral("frmPrint")));
}

TEST_F(PrintReport, BasicViewOpensAPreviewAnsweredWithTheReportsPageAndTitle) {
    addEmployee("A001", "张三", {{"部门", "财务部"}, {"职位", "会计"}, {"录用日期", "2003-04-05"}});
    addEmployee("B002", "李四", {{"部门", "销售部"}, {"职位", "销售经理"}});
    open();
    chooseView(w, 4);
    print();
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    ASSERT_EQ(previews().size(), 1);
    frmPrint* f = previews().first();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("打印预览"));
    EXPECT_TRUE(w->isVisible()) << "the preview opens beside the main window";
    EXPECT_EQ(w->dgrid->FormatString, QStringLiteral("^     员工编号|^      姓名|^       部门|^       职位|^     录用日期"));

    PrintPreview* pv = f->pv;
    EXPECT_TRUE(pv->Started());
    EXPECT_FLOAT_EQ(pv->GridTop(), 2034.0f);
    EXPECT_EQ(pv->PaperSize(), 9);
    EXPECT_EQ(pv->PaperOrientation(), 1);
    EXPECT_FLOAT_EQ(pv->LeftMargin(), 2.0f);
    EXPECT_FLOAT_EQ(pv->RightMargin(), 1.0f);
    EXPECT_FLOAT_EQ(pv->TopMargin(), 2.0f);
    EXPECT_FLOAT_EQ(pv->BottomMargin(), 1.0f);
    EXPECT_EQ(pv->StartZoom(), 100);
    EXPECT_DOUBLE_EQ(pv->previewWidget()->zoomFactor(), 1.0);
    EXPECT_TRUE(pv->ControlBarVisible());
    EXPECT_EQ(pv->Copies(), 1);
    EXPECT_TRUE(pv->Collate());
    EXPECT_TRUE(pv->AllPages());
    EXPECT_FALSE(pv->DoublePage());

    const QString file = path(QStringLiteral("report.pdf"));
    QString why;
    ASSERT_TRUE(pv->ExportPdf(file, &why)) << why.toStdString();
    EXPECT_EQ(pdfPages(file), 1);
    const QString text = pdfText(file);
    for (const char* expected : {"人事资料数据报表", "员工编号", "姓名", "部门", "职位", "录用日期", "A001", "张三", "财务部",
                                 "会计", "2003-04-05", "B002", "李四", "销售经理"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(PrintReport, TitleFontResolvesToTheInstalledKaiFont) {
    EXPECT_TRUE(QFontInfo(QFont(QStringLiteral("楷体_GB2312"), 35)).family().contains(QStringLiteral("UKai")));
}

TEST_F(PrintReport, LongViewRunsOverSeveralPagesWithEveryEmployeeOnce) {
    for (int i = 1; i <= 120; ++i)
        addEmployee(QStringLiteral("E%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("员工%1").arg(i), {{"部门", "生产部"}});
    open();
    chooseView(w, 6);  // 其他情况
    print();
    ASSERT_EQ(previews().size(), 1);
    PrintPreview* pv = previews().first()->pv;
    EXPECT_GE(pv->PageCount(), 3);
    const QString file = path(QStringLiteral("long.pdf"));
    ASSERT_TRUE(pv->ExportPdf(file));
    EXPECT_EQ(pdfPages(file), pv->PageCount());
    const QString text = pdfText(file);
    EXPECT_EQ(text.count(QStringLiteral("人事资料数据报表")), 1);
    EXPECT_EQ(text.count(QStringLiteral("上岗证")), pv->PageCount()) << "header row on every page";
    for (int i = 1; i <= 120; ++i)
        EXPECT_EQ(text.count(QStringLiteral("E%1").arg(i, 4, 10, QLatin1Char('0'))), 1) << i;
}

TEST_F(PrintReport, EachRequestOpensAnotherPreviewAndExitClosesOnlyItsOwn) {
    addEmployee("A001", "张三");
    open();
    chooseView(w, 5);
    print();
    print();
    ASSERT_EQ(previews().size(), 2);
    frmPrint* first = previews().first();
    closePreview(first);
    processEvents();
    EXPECT_EQ(previews().size(), 1);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PrintReport, PreviewControlFollowsTheWindowLessItsBorder) {
    addEmployee("A001", "张三");
    open();
    chooseView(w, 4);
    print();
    ASSERT_EQ(previews().size(), 1);
    frmPrint* f = previews().first();
    f->resize(700, 500);
    processEvents();
    const QRect outer = f->frameGeometry();
    EXPECT_EQ(f->pv->geometry(), QRect(3, 4, outer.width() - 16, outer.height() - 41));
}

TEST_F(PrintReport, TheMainGridKeepsTheViewsLayoutAfterPrintingEvenOverASearchResult) {
    addEmployee("A001", "张三", {{"部门", "财务部"}, {"职位", "会计"}, {"性别", "男"}});
    open();
    chooseView(w, 4);  // 基本情况
    quickSearch(w, QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("=(等于)"), QStringLiteral("张三"));
    ASSERT_EQ(w->dgrid->TextMatrix(0, 4), QStringLiteral("性别"));
    const int untouched = w->dgrid->ColWidth(5);

    print();
    ASSERT_EQ(previews().size(), 1);
    for (frmPrint* p : previews()) closePreview(p);
    processEvents();

    // The layout's header texts stand over the first five columns, whatever they hold.
    const QStringList headers{QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("部门"), QStringLiteral("职位"),
                              QStringLiteral("录用日期")};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(w->dgrid->TextMatrix(0, c), headers[c]) << c;
        EXPECT_EQ(w->dgrid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), headers[c]) << c;
        EXPECT_EQ(w->dgrid->ColAlignment(c), FlexGrid::CenterCenter) << c;
        EXPECT_EQ(w->dgrid->model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                  static_cast<int>(Qt::AlignHCenter | Qt::AlignVCenter))
            << c;
    }
    EXPECT_EQ(w->dgrid->TextMatrix(1, 4), QStringLiteral("男"));
    EXPECT_EQ(w->dgrid->TextMatrix(0, 5), QStringLiteral("出生日期"));
    // The blanks set the widths: "^      姓名" is narrower than "^       部门" and "^     员工编号".
    EXPECT_LT(w->dgrid->ColWidth(1), w->dgrid->ColWidth(2));
    EXPECT_LT(w->dgrid->ColWidth(1), w->dgrid->ColWidth(0));
    const QFontMetrics fm(w->dgrid->horizontalHeader()->font());
    EXPECT_GE(w->dgrid->columnWidth(2), fm.horizontalAdvance(QStringLiteral("       部门")));
    EXPECT_EQ(w->dgrid->ColWidth(5), untouched);

    // The next view brings back its own headers.
    chooseView(w, 6);
    EXPECT_EQ(w->dgrid->TextMatrix(0, 4), QStringLiteral("婚育证"));
}

TEST_F(PrintReport, AColumnTheLayoutLeavesOutIsPrintedWideEnoughForItsHeaderAndValues) {
    addEmployee("A001", "张三", {{"部门", "财务部"}, {"合同编号", "HT-2003-0001"}});
    addEmployee("B002", "李四", {{"部门", "销售部华东区"}});
    open();
    chooseView(w, 5);  // 工作情况: six columns, a layout of five
    print();
    ASSERT_EQ(previews().size(), 1);
    const QList<double> widths = previews().first()->pv->ColumnWidths();
    ASSERT_EQ(widths.size(), 6);

    QPrinter printer(QPrinter::HighResolution);
    QFont font(w->dgrid->font().family());
    font.setPointSizeF(w->dgrid->font().pointSizeF() > 0 ? w->dgrid->font().pointSizeF() : 9);
    const QFontMetricsF fm(font, &printer);
    const auto twips = [&](const QString& s) { return fm.horizontalAdvance(s) * 1440.0 / printer.resolution(); };
    // Beyond the cell's padding, at least a blank's room on either side of the longest text.
    EXPECT_GE(widths[5], twips(QStringLiteral("销售部华东区")) + 2 * 60.0 + twips(QStringLiteral("  ")));
    EXPECT_GE(widths[1], twips(QStringLiteral("      姓名")));

    const QString file = path(QStringLiteral("work.pdf"));
    ASSERT_TRUE(previews().first()->pv->ExportPdf(file));
    EXPECT_TRUE(pdfText(file).contains(QStringLiteral("销售部华东区")));
}
