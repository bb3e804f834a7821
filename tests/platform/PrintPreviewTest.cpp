#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/PrintPreview.h"

#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// The text of a PDF as a reader extracts it.
QString pdfText(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    p.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

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
    // Answers the page set-up like a report host: A4 portrait, margins 2/1/2/1 cm.
    void host(PrintPreview& pv, FlexGrid* grid) {
        QObject::connect(&pv, &PrintPreview::PrintPrepare, &pv,
                         [this](bool& ok, int& paper, float&, float&, float& l, float& r, float& t, float& b, int& o,
                                int& zoom, bool&, bool& bar) {
                             events << QStringLiteral("PrintPrepare");
                             ok = true;
                             paper = 9;
                             l = 2;
                             r = 1;
                             t = 2;
                             b = 1;
                             o = 1;
                             zoom = 100;
                             bar = true;
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
                         [this](bool& doPrint, short&, bool&, bool&, bool&, QList<int>&) {
                             events << QStringLiteral("DocumentFinished");
                             doPrint = false;
                         });
        QObject::connect(&pv, &PrintPreview::StartPrint, &pv, [this](bool&) { events << QStringLiteral("StartPrint"); });
    }
    QString pdf(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    QTemporaryDir dir;
    QStringList events;
    QStringList messages;
};

TEST_F(PreviewControl, BuildsTheDocumentOnFirstShowAskingTheHostInOrderAndPrintsNothing) {
    FlexGrid grid;
    fillGrid(grid, 3);
    PrintPreview pv;
    host(pv, &grid);
    pv.resize(600, 500);
    pv.show();
    EXPECT_EQ(events, (QStringList{"PrintPrepare", "PreCreateData", "GridHeading", "DocumentFinished"}));
    EXPECT_TRUE(pv.Started());
    EXPECT_FLOAT_EQ(pv.GridTop(), 2.0f * 567.0f + 900.0f);
    EXPECT_EQ(pv.PaperSize(), 9);
    EXPECT_EQ(pv.PaperOrientation(), 1);
    EXPECT_FLOAT_EQ(pv.LeftMargin(), 2.0f);
    EXPECT_FLOAT_EQ(pv.BottomMargin(), 1.0f);
    EXPECT_DOUBLE_EQ(pv.previewWidget()->zoomFactor(), 1.0);
    EXPECT_TRUE(pv.toolBar()->isVisibleTo(&pv));
    EXPECT_EQ(pv.PageCount(), 1);
    pv.hide();
    pv.show();  // a second show builds nothing again
    EXPECT_EQ(events.count(QStringLiteral("PrintPrepare")), 1);
    EXPECT_FALSE(events.contains(QStringLiteral("StartPrint")));
}

TEST_F(PreviewControl, UnansweredSetUpKeepsTheControlsOwnA4Page) {
    PrintPreview pv;
    pv.Start();
    EXPECT_EQ(pv.PaperSize(), 9);
    EXPECT_EQ(pv.PageCount(), 1);
    ASSERT_TRUE(pv.ExportPdf(pdf(QStringLiteral("empty.pdf"))));
    EXPECT_EQ(pdfPages(pdf(QStringLiteral("empty.pdf"))), 1);
}

TEST_F(PreviewControl, PdfShowsTheTitleTheLayoutsHeadersAndEveryRow) {
    FlexGrid grid;
    fillGrid(grid, 5);
    grid.FormatString = QStringLiteral("^   员工编号   |<      姓名|>   所在部门   ");
    PrintPreview pv;
    host(pv, &grid);
    pv.Start();
    const QString file = pdf(QStringLiteral("report.pdf"));
    QString why;
    ASSERT_TRUE(pv.ExportPdf(file, &why)) << why.toStdString();
    const QString text = pdfText(file);
    EXPECT_TRUE(text.contains(QStringLiteral("测试报表标题"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("员工编号")));
    EXPECT_TRUE(text.contains(QStringLiteral("所在部门")));
    EXPECT_EQ(text.count(QStringLiteral("部门")), text.count(QStringLiteral("所在部门"))) << "the grid's own header was replaced";
    for (int r = 1; r <= 5; ++r) {
        EXPECT_TRUE(text.contains(QStringLiteral("N%1").arg(r, 4, 10, QLatin1Char('0')))) << r;
        EXPECT_TRUE(text.contains(QStringLiteral("员工%1").arg(r))) << r;
    }
    EXPECT_EQ(pdfPages(file), 1);
}

TEST_F(PreviewControl, LongGridRunsOverPagesWithTheHeaderOnEachAndNoRowLost) {
    FlexGrid grid;
    fillGrid(grid, 150);
    PrintPreview pv;
    host(pv, &grid);
    pv.Start();
    const int pages = pv.PageCount();
    EXPECT_GE(pages, 3);
    const QString file = pdf(QStringLiteral("long.pdf"));
    ASSERT_TRUE(pv.ExportPdf(file));
    EXPECT_EQ(pdfPages(file), pages);
    const QString text = pdfText(file);
    const QStringList perPage = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(perPage.size(), pages);
    EXPECT_TRUE(perPage.first().contains(QStringLiteral("测试报表标题")));
    EXPECT_FALSE(perPage.last().contains(QStringLiteral("测试报表标题"))) << "the title heads the first page only";
    for (const QString& page : perPage) EXPECT_TRUE(page.contains(QStringLiteral("姓名")));
    int found = 0;
    for (int r = 1; r <= 150; ++r) found += text.count(QStringLiteral("N%1").arg(r, 4, 10, QLatin1Char('0')));
    EXPECT_EQ(found, 150) << "each row printed exactly once";
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

TEST_F(PreviewControl, ExportToAnUnwritablePlaceSaysWhy) {
    PrintPreview pv;
    pv.Start();
    QString why;
    EXPECT_FALSE(pv.ExportPdf(dir.path() + QStringLiteral("/missing/folder/x.pdf"), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("无法写入"))) << why.toStdString();
}

TEST_F(PreviewControl, ExportButtonAsksForAFileAndCancelWritesNothing) {
    PrintPreview pv;
    pv.Start();
    QString asked;
    PrintPreview::SetPdfFileChooser([&](QWidget*, const QString& suggested) {
        asked = suggested;
        return QString();
    });
    pv.ExportClicked();
    EXPECT_TRUE(asked.endsWith(QStringLiteral(".pdf")));
    EXPECT_TRUE(messages.isEmpty());
    const QString file = pdf(QStringLiteral("chosen.pdf"));
    PrintPreview::SetPdfFileChooser([&](QWidget*, const QString&) { return file; });
    pv.ExportClicked();
    EXPECT_EQ(pdfPages(file), 1);
    PrintPreview::SetPdfFileChooser([&](QWidget*, const QString&) { return dir.path() + QStringLiteral("/no/x.pdf"); });
    pv.ExportClicked();
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

TEST_F(PreviewControl, CloseButtonRaisesQuitAndMoveTakesTwips) {
    QWidget host;
    auto* pv = new PrintPreview(&host);
    int quits = 0;
    QObject::connect(pv, &PrintPreview::Quit, pv, [&] { ++quits; });
    pv->QuitClicked();
    EXPECT_EQ(quits, 1);
    pv->Move(45, 60, 3000, 1500);
    EXPECT_EQ(pv->geometry(), QRect(3, 4, 200, 100));
    pv->Move(45, 60, -240, -620);  // a window smaller than the border
    EXPECT_EQ(pv->geometry().size(), QSize(0, 0));
}

}  // namespace
