#include "PdfReader.h"
#include "UserInput.h"

#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/PrintPreview.h"

#include <QApplication>
#include <QGraphicsView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace platform;
using halvern::test::pdfPages;
using halvern::test::pdfText;

namespace {

// An unbound grid with a header row and numbered rows.
void fillGrid(FlexGrid& g, int rows) {
    g.SetCols(3);
    g.SetRows(rows + 1);
    g.SetTextMatrix(0, 0, QStringLiteral("编号"));
    g.SetTextMatrix(0, 1, QStringLiteral("姓名"));
    g.SetTextMatrix(0, 2, QStringLiteral("部门"));
    for (int r = 1; r <= rows; ++r) {
        g.SetTextMatrix(r, 0, QStringLiteral("N%1").arg(r, 4, 10, QLatin1Char('0')));
        g.SetTextMatrix(r, 1, QStringLiteral("员工%1").arg(r));
        g.SetTextMatrix(r, 2, QStringLiteral("销售部"));
    }
}

class PreviewControl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        SetMsgHandler([this](const MsgRecord& r) {
            messages << r.text;
            return MsgAnswer::OK;
        });
    }
    void TearDown() override { SetMsgHandler({}); }
    // A host that hands over the grid and places a title; every event is logged.
    void host(PrintPreview& pv, FlexGrid* grid) {
        QObject::connect(&pv, &PrintPreview::PrintPrepare, &pv,
                         [this](bool& ok, int&, float&, float&, float&, float&, float& top, float&, int&, int&, bool&,
                                bool&) {
                             events << QStringLiteral("PrintPrepare");
                             ok = true;
                             top = 3.0f;
                         });
        QObject::connect(&pv, &PrintPreview::PreCreateData, &pv, [this, &pv, grid] {
            events << QStringLiteral("PreCreateData");
            pv.OutGrid(grid);
        });
        QObject::connect(&pv, &PrintPreview::GridHeading, &pv, [this, &pv](float& top) {
            events << QStringLiteral("GridHeading");
            pv.OutText(1144, 1343, QStringLiteral("楷体_GB2312"), 35, 0x80000008, false, false, false, false,
                       QStringLiteral("测试报表标题"), 10, true);
            top = pv.TopMargin() * 567.0f + 900.0f;
        });
        QObject::connect(&pv, &PrintPreview::DocumentFinished, &pv,
                         [this](bool&, short&, bool&, bool&, bool&, QList<int>&) { events << QStringLiteral("DocumentFinished"); });
        QObject::connect(&pv, &PrintPreview::StartPrint, &pv, [this](bool&) { events << QStringLiteral("StartPrint"); });
    }
    QString pdf(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    QTemporaryDir dir;
    QStringList events;
    QStringList messages;
};

TEST(ColumnLayout, ALayoutAlignsNamesAndSizesTheColumnsItCoversAndLeavesTheRest) {
    const QString layout = QStringLiteral("<编号 |^  姓名  |>部门|备注;不是列");
    const std::vector<ColumnFormat> cols = ParseFormatString(layout);
    ASSERT_EQ(cols.size(), 4u);
    EXPECT_EQ(cols[0].alignment, FlexGrid::LeftCenter);
    EXPECT_EQ(cols[1].alignment, FlexGrid::CenterCenter);
    EXPECT_EQ(cols[2].alignment, FlexGrid::RightCenter);
    EXPECT_EQ(cols[3].alignment, -1);
    EXPECT_EQ(cols[1].header, QStringLiteral("  姓名  "));  // its blanks widen the column
    EXPECT_EQ(cols[1].caption(), QStringLiteral("姓名"));

    FlexGrid grid;
    grid.SetCols(4);
    grid.SetRows(2);
    grid.SetColAlignment(3, FlexGrid::RightCenter);
    grid.SetFormatString(layout);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(grid.TextMatrix(0, c), cols[c].caption()) << c;
    EXPECT_EQ(grid.ColAlignment(0), FlexGrid::LeftCenter);
    EXPECT_EQ(grid.ColAlignment(1), FlexGrid::CenterCenter);
    EXPECT_EQ(grid.ColAlignment(2), FlexGrid::RightCenter);
    EXPECT_EQ(grid.ColAlignment(3), FlexGrid::RightCenter) << "a column the layout does not align keeps its own";
    EXPECT_EQ(GridAlignment(FlexGrid::CenterCenter), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(GridAlignment(FlexGrid::General), Qt::AlignLeft | Qt::AlignVCenter);
}

TEST_F(PreviewControl, BuildsTheDocumentOnceOnFirstShowAndPrintsNothingUnasked) {
    FlexGrid grid;
    fillGrid(grid, 3);
    PrintPreview pv;
    host(pv, &grid);
    pv.show();
    EXPECT_EQ(events, (QStringList{"PrintPrepare", "PreCreateData", "GridHeading", "DocumentFinished"}));
    EXPECT_FLOAT_EQ(pv.TopMargin(), 3.0f) << "the answered set-up is taken";
    EXPECT_FLOAT_EQ(pv.GridTop(), 3.0f * 567.0f + 900.0f);
    EXPECT_EQ(pv.PaperSize(), 9) << "what the host leaves alone keeps the control's own value";
    pv.hide();
    pv.show();
    EXPECT_EQ(events.size(), 4);
}

TEST_F(PreviewControl, OpensOnTheTopOfTheFirstPage) {
    FlexGrid grid;
    fillGrid(grid, 200);
    PrintPreview pv;
    host(pv, &grid);
    pv.resize(500, 400);
    pv.show();
    QApplication::processEvents();
    auto* pages = pv.findChild<QGraphicsView*>();
    ASSERT_NE(pages, nullptr);
    ASSERT_GT(pages->verticalScrollBar()->maximum(), 0) << "the pages do not fit: there is a top to show";
    EXPECT_EQ(pages->verticalScrollBar()->value(), pages->verticalScrollBar()->minimum());
    EXPECT_EQ(pages->horizontalScrollBar()->value(), pages->horizontalScrollBar()->minimum());
}

TEST_F(PreviewControl, LongCellTextWrapsInsteadOfBeingCutOff) {
    FlexGrid grid;
    grid.SetCols(2);
    grid.SetRows(2);
    grid.SetTextMatrix(0, 0, QStringLiteral("编号"));
    grid.SetTextMatrix(0, 1, QStringLiteral("经历"));
    grid.SetTextMatrix(1, 0, QStringLiteral("A001"));
    QString story;
    for (int i = 0; i < 40; ++i) story += QStringLiteral("第%1段工作经历；").arg(i);
    grid.SetTextMatrix(1, 1, story + QStringLiteral("结束"));
    PrintPreview pv;
    host(pv, &grid);
    pv.Start();
    const QString file = pdf(QStringLiteral("wrap.pdf"));
    ASSERT_TRUE(pv.ExportPdf(file));
    const QString text = pdfText(file).remove(QLatin1Char('\n')).remove(QLatin1Char(' '));
    EXPECT_TRUE(text.contains(QStringLiteral("第39段工作经历；结束"))) << text.toStdString();
}

TEST_F(PreviewControl, ExportButtonAsksForAFileAndCancelWritesNothing) {
    PrintPreview pv;
    pv.Start();
    halvern::test::activate(&pv);
    // A click on the control bar's 导出PDF button.
    const auto exportClicked = [&pv] {
        ASSERT_TRUE(halvern::test::clickToolButton(pv.findChild<QToolBar*>(QStringLiteral("ControlBar")),
                                                   pv.findChild<QAction*>(QStringLiteral("actPdf"))));
    };
    QString asked;
    PrintPreview::SetPdfFileChooser([&](QWidget*, const QString& suggested) {
        asked = suggested;
        return QString();
    });
    exportClicked();
    EXPECT_TRUE(asked.endsWith(QStringLiteral(".pdf")));
    EXPECT_TRUE(messages.isEmpty());
    const QString file = pdf(QStringLiteral("chosen.pdf"));
    PrintPreview::SetPdfFileChooser([&](QWidget*, const QString&) { return file; });
    exportClicked();
    EXPECT_EQ(pdfPages(file), 1);
    PrintPreview::SetPdfFileChooser([&](QWidget*, const QString&) { return dir.path() + QStringLiteral("/no/x.pdf"); });
    exportClicked();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("导出PDF失败")));
    PrintPreview::SetPdfFileChooser({});
}

TEST_F(PreviewControl, PrintAsksTheHostFirstAndAHostsCancelStopsIt) {
    PrintPreview pv;
    bool ended = false;
    QObject::connect(&pv, &PrintPreview::StartPrint, &pv, [](bool& cancel) { cancel = true; });
    QObject::connect(&pv, &PrintPreview::EndPrint, &pv, [&] { ended = true; });
    pv.Start();
    EXPECT_FALSE(pv.Print());
    EXPECT_FALSE(ended);
    EXPECT_TRUE(messages.isEmpty());
}

}  // namespace
