#include "TestProgram.h"
#include "UserInput.h"

#include "platform/Pictures.h"
#include "platform/Recordset.h"
#include "platform/Spreadsheet.h"
#include "platform/WindowHost.h"
#include "common/ModuleState.h"
#include "training/Formshowkh.h"
#include "training/Formshowkh1.h"

#include <QDate>
#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <QTest>

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;
using namespace halvern::test;

class AssessmentSheetTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        addEmployee(QStringLiteral("M01"), QStringLiteral("  张经理 "),
                    {{QStringLiteral("部门"), QStringLiteral("人事部")}, {QStringLiteral("职位"), QStringLiteral("经理")}});
        Module().CurrentAssessmentKey = QStringLiteral("M01");
        SetSpreadsheetOpener([this](const QString& file) {
            opened_ << file;
            return true;
        });
    }
    void TearDown() override {
        SetSpreadsheetOpener({});
        ProgramTest::TearDown();
    }

    // Replaces the headings and the managers' groups and items.
    void layout(const QStringList& headings, const QStringList& groups, const QStringList& items,
                const QString& prefix = QStringLiteral("经理")) {
        db()->execute(QStringLiteral("delete from 横"));
        db()->execute(QStringLiteral("delete from %1").arg(QuoteIdentifier(prefix + QStringLiteral("竖1"))));
        db()->execute(QStringLiteral("delete from %1").arg(QuoteIdentifier(prefix + QStringLiteral("竖2"))));
        for (const QString& h : headings) db()->execute(QStringLiteral("insert into 横 (hei) values (?)"), {h});
        for (const QString& g : groups)
            db()->execute(QStringLiteral("insert into %1 (su) values (?)").arg(QuoteIdentifier(prefix + QStringLiteral("竖2"))), {g});
        for (const QString& i : items)
            db()->execute(QStringLiteral("insert into %1 (su) values (?)").arg(QuoteIdentifier(prefix + QStringLiteral("竖1"))), {i});
    }

    // Stores sheet rows for the employee; each row its cells a1, a2, …
    void store(const QList<QStringList>& rows, const QString& table = QStringLiteral("经理"),
               const QString& no = QStringLiteral("M01")) {
        for (const QStringList& cells : rows) {
            QStringList cols{QStringLiteral("noo")};
            QStringList marks{QStringLiteral("?")};
            QVariantList values{no};
            for (int k = 0; k < cells.size(); ++k) {
                cols << QStringLiteral("a%1").arg(k + 1);
                marks << QStringLiteral("?");
                values << cells[k];
            }
            db()->execute(QStringLiteral("insert into %1 (%2) values (%3)")
                              .arg(QuoteIdentifier(table), cols.join(','), marks.join(',')),
                          values);
        }
    }

    // The employee's stored rows in id order: yee, a1 … a<n>.
    QList<QStringList> stored(int cells, const QString& table = QStringLiteral("经理"),
                              const QString& no = QStringLiteral("M01")) {
        Recordset rs;
        rs.Open(QStringLiteral("select * from %1 where noo=? order by id").arg(QuoteIdentifier(table)), db(),
                LockType::ReadOnly, {no});
        QList<QStringList> out;
        for (; !rs.EOF_(); rs.MoveNext()) {
            QStringList row{rs.Fields(QStringLiteral("yee")).isNull() ? QStringLiteral("<null>") : rs.Text(QStringLiteral("yee"))};
            for (int k = 1; k <= cells; ++k) row << rs.Text(QStringLiteral("a%1").arg(k));
            out << row;
        }
        return out;
    }

    template <class T = Formshowkh>
    T* open() {
        auto* w = WindowHost::Default<T>();
        WindowHost::Show(w, ShowMode::Modal);
        processEvents();
        return WindowHost::Exists<T>() ? w : nullptr;
    }

    static void save(AssessmentSheet* w) {
        clickControl(w->ui.Command2);  // 编  辑
        clickControl(w->ui.Command2);  // 保  存
    }

    QStringList opened_;
};

namespace {

// The editor is shown, lies over the cell (row, col) and holds the focus.
::testing::AssertionResult editingCell(AssessmentSheet* w, int row, int col) {
    const FlexGrid& g = *w->ui.MSFlexGrid1;
    QLineEdit* editor = w->ui.Input_Text;
    if (!editor->isVisible()) return ::testing::AssertionFailure() << "the editor is hidden";
    if (g.Row() != row || g.Col() != col)
        return ::testing::AssertionFailure() << "the current cell is " << g.Row() << "," << g.Col();
    const QRect cell = g.visualRect(g.model()->index(row, col));
    const QRect e = editor->geometry();
    if (e.left() != cell.left() || e.width() != cell.width() || e.top() < cell.top() || e.bottom() > cell.bottom())
        return ::testing::AssertionFailure() << "the editor lies beside the cell";
    if (focused() != editor) return ::testing::AssertionFailure() << "the editor has no focus";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST_F(AssessmentSheetTest, GridIsLaidOutFromHeadingsGroupsAndItems) {
    layout({"业绩", "能力", "态度"}, {"上半年", "下半年"}, {"自评", "上级", "部门"});
    auto* w = open();
    ASSERT_TRUE(w);
    const FlexGrid& g = *w->ui.MSFlexGrid1;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("考核记录详细资料"));
    ASSERT_EQ(g.Cols(), 5);
    ASSERT_EQ(g.Rows(), 7);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 2);
    EXPECT_EQ(g.TextMatrix(0, 0), QStringLiteral(" "));
    EXPECT_EQ(g.TextMatrix(0, 1), QStringLiteral(" "));
    EXPECT_EQ(g.TextMatrix(0, 2), QStringLiteral("业绩"));
    EXPECT_EQ(g.TextMatrix(0, 4), QStringLiteral("态度"));
    const QStringList items{"自评", "上级", "部门", "自评", "上级", "部门"};
    const QStringList groups{"上半年", "上半年", "上半年", "下半年", "下半年", "下半年"};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(g.TextMatrix(r, 1), items[r - 1]) << r;
        EXPECT_EQ(g.TextMatrix(r, 0), groups[r - 1]) << r;
        EXPECT_NEAR(g.RowHeight(r), 300, 15);
        for (int c = 2; c < 5; ++c) EXPECT_TRUE(g.TextMatrix(r, c).isEmpty());
    }
    EXPECT_NEAR(g.RowHeight(0), 450, 15);
    EXPECT_NEAR(g.ColWidth(0), 1000, 15);
    EXPECT_NEAR(g.ColWidth(1), 1772, 15);
    EXPECT_NEAR(g.ColWidth(3), 1000, 15);
    EXPECT_EQ(g.ColAlignment(3), FlexGrid::CenterCenter);
    // Each group shows once over its items; the corner is one blank cell.
    EXPECT_EQ(g.rowSpan(1, 0), 3);
    EXPECT_EQ(g.rowSpan(4, 0), 3);
    EXPECT_EQ(g.columnSpan(0, 0), 2);
    EXPECT_EQ(g.rowSpan(1, 1), 1);
    EXPECT_EQ(g.columnSpan(0, 2), 1);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(w->ui.Label4->text(), QStringLiteral("张经理"));
    EXPECT_EQ(w->ui.Label5->text(), QStringLiteral("人事部"));
    EXPECT_EQ(w->ui.Label6->text(), QStringLiteral("经理"));
    EXPECT_EQ(w->ui.Text1->text(), QDate::currentDate().toString(QStringLiteral("yyyy")));
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    EXPECT_EQ(w->ui.Command2->text(), QStringLiteral("编  辑"));
    EXPECT_EQ(w->focusWidget(), w->ui.MSFlexGrid1);
    EXPECT_TRUE(messages().empty());
}

TEST_F(AssessmentSheetTest, EqualNeighboursMergeInTheGroupColumnAndTheHeadingRow) {
    layout({"A", "A", "B"}, {"同", "同"}, {"i1", "i2"});
    auto* w = open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->ui.MSFlexGrid1->rowSpan(1, 0), 4);
    EXPECT_EQ(w->ui.MSFlexGrid1->columnSpan(0, 2), 2);
    EXPECT_EQ(w->ui.MSFlexGrid1->columnSpan(0, 4), 1);
}

TEST_F(AssessmentSheetTest, FirstSaveAppendsEveryRowWithoutYearThenLaterSavesStampIt) {
    layout({"h1", "h2"}, {"g1", "g2"}, {"i1", "i2"});
    auto* w = open();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->NoSheet);
    EXPECT_FALSE(w->MoreRows);
    EXPECT_FALSE(w->FewerRows);
    w->ui.MSFlexGrid1->SetTextMatrix(1, 2, QStringLiteral("优"));
    w->ui.MSFlexGrid1->SetTextMatrix(4, 3, QStringLiteral(" 差 "));
    save(w);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(stored(2), (QList<QStringList>{{"<null>", "优 ", " "},
                                             {"<null>", " ", " "},
                                             {"<null>", " ", " "},
                                             {"<null>", " ", " 差  "}}));
    EXPECT_FALSE(w->NoSheet);
    EXPECT_TRUE(w->MoreRows);
    EXPECT_EQ(w->StoredRows, 4);
    EXPECT_EQ(w->SurplusRows, 0);

    w->ui.Text1->setText(QStringLiteral("2023"));
    w->ui.MSFlexGrid1->SetTextMatrix(2, 2, QStringLiteral("良"));
    save(w);
    const auto rows = stored(2);
    ASSERT_EQ(rows.size(), 4);
    for (const QStringList& r : rows) EXPECT_EQ(r[0], QStringLiteral("2023"));
    EXPECT_EQ(rows[1][1], QStringLiteral("良 "));
    EXPECT_EQ(count(QStringLiteral("经理")), 4);

    // Shown again, each cell is trimmed.
    w->Unload();
    processEvents();
    w = open();
    EXPECT_TRUE(w->MoreRows);
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(4, 3), QStringLiteral("差"));
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(1, 3), QString());
}

TEST_F(AssessmentSheetTest, AnEqualNumberOfStoredRowsIsOverwrittenInIdOrder) {
    layout({"h1"}, {"g1"}, {"i1", "i2"});
    store({{" a "}, {"b"}});
    store({{"other"}}, QStringLiteral("经理"), QStringLiteral("M02"));
    auto* w = open();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->MoreRows);
    EXPECT_EQ(w->StoredRows, 2);
    EXPECT_EQ(w->SurplusRows, 0);
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(1, 2), QStringLiteral("a"));
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(2, 2), QStringLiteral("b"));
    w->ui.Text1->setText(QStringLiteral("2024"));
    w->ui.MSFlexGrid1->SetTextMatrix(2, 2, QStringLiteral("c"));
    save(w);
    EXPECT_EQ(stored(1), (QList<QStringList>{{"2024", "a "}, {"2024", "c "}}));
    EXPECT_EQ(stored(1, QStringLiteral("经理"), QStringLiteral("M02")), (QList<QStringList>{{"<null>", "other"}}));
}

TEST_F(AssessmentSheetTest, SurplusStoredRowsAreDeletedBySave) {
    layout({"h1", "h2"}, {"g1"}, {"i1", "i2"});
    store({{"1", "x"}, {"2", "y"}, {"3", "z"}, {"4", "w"}});
    auto* w = open();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->MoreRows);
    EXPECT_EQ(w->StoredRows, 4);
    EXPECT_EQ(w->SurplusRows, 2);
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(2, 3), QStringLiteral("y"));
    save(w);
    EXPECT_EQ(stored(2), (QList<QStringList>{{QDate::currentDate().toString("yyyy"), "1 ", "x "},
                                             {QDate::currentDate().toString("yyyy"), "2 ", "y "}}));
    EXPECT_EQ(w->SurplusRows, 0);
    save(w);  // a later save adds and deletes nothing
    EXPECT_EQ(stored(2).size(), 2);
}

TEST_F(AssessmentSheetTest, MissingRowsAreAppendedAfterTheStoredOnes) {
    layout({"h1"}, {"g1", "g2"}, {"i1", "i2"});
    store({{"first"}, {"second"}});
    auto* w = open();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->FewerRows);
    EXPECT_EQ(w->StoredRows, 2);
    EXPECT_EQ(w->MissingRows, 2);
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(2, 2), QStringLiteral("second"));
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(3, 2), QString());
    w->ui.MSFlexGrid1->SetTextMatrix(4, 2, QStringLiteral("fourth"));
    w->ui.Text1->setText(QString());  // the year is not checked, also empty
    save(w);
    EXPECT_EQ(stored(1), (QList<QStringList>{{"", "first "}, {"", "second "}, {"", " "}, {"", "fourth "}}));
    EXPECT_EQ(w->MissingRows, 0);
    save(w);
    EXPECT_EQ(stored(1).size(), 4);
}

TEST_F(AssessmentSheetTest, AFailedSaveStoresNothingAndKeepsTheEdits) {
    layout({"h1"}, {"g1", "g2"}, {"i1"});
    store({{"old"}});
    db()->execute(QStringLiteral(
        "create trigger refuse before update on 经理 when new.a1='boom ' begin select raise(abort, 'refused'); end"));
    auto* w = open();
    ASSERT_TRUE(w);
    ASSERT_TRUE(w->FewerRows);
    w->ui.MSFlexGrid1->SetTextMatrix(2, 2, QStringLiteral("boom"));
    save(w);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    // The appended row went back with the rest.
    EXPECT_EQ(stored(1), (QList<QStringList>{{"<null>", "old"}}));
    EXPECT_TRUE(w->EditMode);
    EXPECT_EQ(w->ui.Command2->text(), QStringLiteral("保  存"));
    EXPECT_EQ(w->MissingRows, 1);
    w->ui.MSFlexGrid1->SetTextMatrix(2, 2, QStringLiteral("fine"));
    clickControl(w->ui.Command2);
    EXPECT_EQ(stored(1).size(), 2);
}

TEST_F(AssessmentSheetTest, WithoutGroupsOrItemsTheSheetHasNoRowsAndASaveDeletesStoredOnes) {
    layout({"h1"}, {}, {"i1"});
    store({{"x"}, {"y"}});
    auto* w = open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->ui.MSFlexGrid1->Rows(), 1);
    EXPECT_EQ(w->SurplusRows, 2);
    save(w);
    EXPECT_EQ(count(QStringLiteral("经理")), 0);

    Module().CurrentAssessmentKey = QStringLiteral("M02");
    w->Unload();
    processEvents();
    w = open();
    save(w);
    EXPECT_EQ(count(QStringLiteral("经理")), 0);
}

TEST_F(AssessmentSheetTest, AnUnknownKeyShowsEmptyLabelsAndTheSheetOfThatKey) {
    layout({"h1"}, {"g1"}, {"i1"});
    store({{"kept"}}, QStringLiteral("经理"), QString());
    Module().CurrentAssessmentKey.clear();
    auto* w = open();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->ui.Label4->text().isEmpty());
    EXPECT_TRUE(w->ui.Label6->text().isEmpty());
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(1, 2), QStringLiteral("kept"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(AssessmentSheetTest, HeadingsBeyondTheStoredFieldsAreShownButNotEditedOrLost) {
    QStringList headings;
    for (int k = 1; k <= 32; ++k) headings << QStringLiteral("h%1").arg(k);
    layout(headings, {"g1"}, {"i1"});
    QStringList cells;
    for (int k = 1; k <= 30; ++k) cells << QStringLiteral("v%1").arg(k);
    store({cells});
    auto* w = open();
    ASSERT_TRUE(w);
    ASSERT_EQ(messages().size(), 1u);  // says which columns cannot be stored
    EXPECT_EQ(w->StorableColumns(), 30);
    EXPECT_EQ(w->ui.MSFlexGrid1->Cols(), 34);
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(1, 31), QStringLiteral("v30"));
    activate(w);
    click(w->ui.Command2);  // 编  辑
    clickCell(w->ui.MSFlexGrid1, 1, 32);
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    type(QStringLiteral("x"));
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(1, 32), QString());
    clickCell(w->ui.MSFlexGrid1, 1, 31);
    EXPECT_TRUE(editingCell(w, 1, 31));
    // Entered on to a column that cannot be stored, the editor goes and the grid keeps the focus.
    press(Qt::Key_Return);
    EXPECT_EQ(w->ui.MSFlexGrid1->Col(), 32);
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    EXPECT_EQ(focused(), w->ui.MSFlexGrid1);
    type(QStringLiteral("y"));
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(1, 31), QStringLiteral("v30"));
    click(w->ui.Command2);  // 保  存
    EXPECT_EQ(stored(30).first().mid(1), [&] {
        QStringList s;
        for (const QString& c : cells) s << c + QLatin1Char(' ');
        return s;
    }());
}

TEST_F(AssessmentSheetTest, EnterMovesAlongTheRowThenToTheNextRowAndStopsAtTheEnd) {
    layout({"h1", "h2"}, {"g1"}, {"i1", "i2"});
    auto* w = open();
    ASSERT_TRUE(w);
    activate(w);
    FlexGrid& g = *w->ui.MSFlexGrid1;
    ASSERT_EQ(focused(), &g);
    const auto at = [&g] { return std::make_pair(g.Row(), g.Col()); };
    ASSERT_EQ(at(), std::make_pair(1, 2));
    // While viewing, Enter moves the current cell with the editor hidden.
    press(Qt::Key_Return);
    EXPECT_EQ(at(), std::make_pair(1, 3));
    press(Qt::Key_Return);
    EXPECT_EQ(at(), std::make_pair(2, 2));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_EQ(at(), std::make_pair(2, 3));
    press(Qt::Key_Return);
    EXPECT_EQ(at(), std::make_pair(2, 3));
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    EXPECT_EQ(focused(), &g);
    EXPECT_EQ(g.selectionModel()->currentIndex(), g.model()->index(2, 3));
}

TEST_F(AssessmentSheetTest, TheEditorLiesOverTheCurrentCellAndWritesIntoIt) {
    QStringList headings;
    for (int k = 1; k <= 14; ++k) headings << QStringLiteral("h%1").arg(k);
    layout(headings, {"g1"}, {"i1", "i2"});
    auto* w = open();
    ASSERT_TRUE(w);
    activate(w);
    FlexGrid& g = *w->ui.MSFlexGrid1;
    const auto overCell = [&] {
        const QRect cell = g.visualRect(g.model()->index(g.Row(), g.Col()));
        const QPoint tl = cell.topLeft();  // the editor lies on the grid's cell area
        const QRect editor = w->ui.Input_Text->geometry();
        // Clear of the group and item columns, which stay in place.
        const bool clear = cell.left() >= g.columnWidth(0) + g.columnWidth(1) && cell.top() >= g.rowHeight(0);
        return w->ui.Input_Text->isVisible() && editor.left() == tl.x() && editor.width() == cell.width() &&
               editor.top() >= tl.y() && editor.bottom() <= tl.y() + cell.height() &&
               g.viewport()->rect().contains(cell) && clear;
    };
    click(w->ui.Command2);  // 编  辑
    EXPECT_FALSE(w->ui.Input_Text->isVisible());  // shows when the grid gains the focus
    press(Qt::Key_Tab);  // to the year box
    press(Qt::Key_Tab);  // round to the grid
    ASSERT_TRUE(editingCell(w, 1, 2));
    EXPECT_TRUE(overCell());
    type(QStringLiteral("ab"));
    EXPECT_EQ(g.TextMatrix(1, 2), QStringLiteral("ab"));

    // Enter along the row to the far right: the grid scrolls and the editor follows.
    for (int k = 0; k < 13; ++k) press(Qt::Key_Return);
    EXPECT_EQ(g.Col(), 15);
    EXPECT_GT(g.horizontalScrollBar()->value(), 0);
    EXPECT_GT(g.LeftCol(), 2);
    ASSERT_TRUE(editingCell(w, 1, 15));
    EXPECT_TRUE(overCell());
    type(QStringLiteral("far"));
    EXPECT_EQ(g.TextMatrix(1, 15), QStringLiteral("far"));

    // The next Enter goes to the second row and back to the first heading column.
    press(Qt::Key_Return);
    ASSERT_TRUE(editingCell(w, 2, 2));
    EXPECT_EQ(g.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(g.LeftCol(), 2);
    EXPECT_TRUE(overCell());
    EXPECT_TRUE(w->ui.Input_Text->text().isEmpty());

    // Scrolled by its scroll bar, the shown editor stays over its cell.
    clickCell(&g, 2, 9);
    ASSERT_TRUE(editingCell(w, 2, 9));
    QScrollBar* bar = g.horizontalScrollBar();
    const int before = bar->value();
    click(bar, Qt::LeftButton, QPoint(bar->width() - bar->height() / 2, bar->height() / 2));  // its right arrow
    ASSERT_GT(bar->value(), before);
    EXPECT_TRUE(overCell());
    // A current cell scrolled under the fixed columns is brought out again when the grid regains the focus.
    // Rolled aside by the wheel, which leaves the focus in the editor.
    for (int k = 0; k < 100 && bar->value() < bar->maximum(); ++k) {
        const QPoint at = g.viewport()->rect().center();
        QWheelEvent wheel(at, g.viewport()->mapToGlobal(at), QPoint(), QPoint(-120, 0), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(g.viewport(), &wheel);
    }
    EXPECT_TRUE(editingCell(w, 2, 9));
    ASSERT_LT(g.visualRect(g.model()->index(2, 9)).left(), g.columnWidth(0) + g.columnWidth(1));
    // A click on the scroll bar's left arrow scrolls one step; it does not fetch the hidden cell back.
    const int far = bar->value();
    click(bar, Qt::LeftButton, QPoint(bar->height() / 2, bar->height() / 2));
    EXPECT_EQ(bar->value(), far - bar->singleStep());
    EXPECT_TRUE(!w->ui.Input_Text->isVisible() || overCell());
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    press(Qt::Key_Tab);
    ASSERT_TRUE(editingCell(w, 2, 9));
    EXPECT_TRUE(overCell());
}

TEST_F(AssessmentSheetTest, ExportWritesTheFirstSevenColumnsFromB5) {
    layout({"h1", "h2", "h3", "h4", "h5", "h6"}, {"g1"}, {"i1"});
    store({{"1", "2", "3", "4", "5", "6"}});
    auto* w = open();
    ASSERT_TRUE(w);
    const auto cells = w->ExportCells();
    ASSERT_EQ(cells.size(), 2 * 7);
    EXPECT_EQ(cells[0].row, 5);
    EXPECT_EQ(cells[0].column, 2);
    EXPECT_EQ(cells[0].text, QStringLiteral(" "));
    EXPECT_EQ(cells[2].column, 4);
    EXPECT_EQ(cells[2].text, QStringLiteral("h1"));
    EXPECT_EQ(cells[6].column, 8);
    EXPECT_EQ(cells[6].text, QStringLiteral("h5"));
    EXPECT_EQ(cells[7].row, 6);
    EXPECT_EQ(cells[7].text, QStringLiteral("g1"));
    EXPECT_EQ(cells[8].text, QStringLiteral("i1"));
    EXPECT_EQ(cells[13].text, QStringLiteral("5"));
    clickControl(w->ui.Command1);
    EXPECT_EQ(opened_.size(), 1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
}

TEST_F(AssessmentSheetTest, ExportOfANarrowSheetStopsAtItsLastColumn) {
    layout({"h1", "h2"}, {"g1"}, {"i1", "i2"});
    auto* w = open();
    ASSERT_TRUE(w);
    const auto cells = w->ExportCells();
    ASSERT_EQ(cells.size(), 3 * 4);
    EXPECT_EQ(cells.last().row, 7);
    EXPECT_EQ(cells.last().column, 5);
    clickControl(w->ui.Command1);
    EXPECT_EQ(opened_.size(), 1);
}

TEST_F(AssessmentSheetTest, StaffSheetUsesTheStaffTablesAndItsOwnPlaces) {
    layout({"h1"}, {"sg1"}, {"si1", "si2"}, QStringLiteral("员工"));
    store({{"manager"}});
    auto* w = open<Formshowkh1>();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(2, 1), QStringLiteral("si2"));
    EXPECT_EQ(w->ui.MSFlexGrid1->TextMatrix(1, 0), QStringLiteral("sg1"));
    EXPECT_TRUE(w->NoSheet);
    EXPECT_EQ(w->ui.Command1->geometry().topLeft(), QPoint(TwipsToPixels(600), TwipsToPixels(6720)));
    EXPECT_EQ(w->focusWidget(), w->ui.Command2);
    save(w);
    EXPECT_EQ(stored(1, QStringLiteral("员工")).size(), 2);
    EXPECT_EQ(stored(1), (QList<QStringList>{{"<null>", "manager"}}));
}

// ---- keyboard and mouse -----------------------------------------------------

class AssessmentSheetInput : public AssessmentSheetTest {
protected:
    // A sheet of three headings and two rows, stored as s11 … s23, opened in edit mode.
    template <class T = Formshowkh>
    T* editing() {
        layout({"h1", "h2", "h3"}, {"g1"}, {"i1", "i2"}, QString::fromUtf8(std::is_same_v<T, Formshowkh> ? "经理" : "员工"));
        store({{"s11", "s12", "s13"}, {"s21", "s22", "s23"}}, QString::fromUtf8(std::is_same_v<T, Formshowkh> ? "经理" : "员工"));
        auto* w = open<T>();
        activate(w);
        click(w->ui.Command2);  // 编  辑
        EXPECT_EQ(w->ui.Command2->text(), QStringLiteral("保  存"));
        return w;
    }
    QString cell(AssessmentSheet* w, int row, int col) { return w->ui.MSFlexGrid1->TextMatrix(row, col); }
};

TEST_F(AssessmentSheetInput, AClickedCellTakesTheEditorAndTypingWritesOnlyThere) {
    auto* w = editing();
    FlexGrid* g = w->ui.MSFlexGrid1;
    EXPECT_FALSE(w->ui.Input_Text->isVisible());  // shows when the grid gains the focus
    clickCell(g, 2, 3);
    ASSERT_TRUE(editingCell(w, 2, 3));
    EXPECT_EQ(w->ui.Input_Text->text(), QStringLiteral("s22"));
    type(QStringLiteral("T"));
    EXPECT_EQ(cell(w, 2, 3), QStringLiteral("s22T"));

    // From the editor to another cell, and to the cell beside it.
    clickCell(g, 1, 4);
    ASSERT_TRUE(editingCell(w, 1, 4));
    EXPECT_EQ(w->ui.Input_Text->text(), QStringLiteral("s13"));
    type(QStringLiteral("X"));
    clickCell(g, 1, 3);
    ASSERT_TRUE(editingCell(w, 1, 3));
    type(QStringLiteral("Y"));
    EXPECT_EQ(cell(w, 1, 2), QStringLiteral("s11"));
    EXPECT_EQ(cell(w, 1, 3), QStringLiteral("s12Y"));
    EXPECT_EQ(cell(w, 1, 4), QStringLiteral("s13X"));
    EXPECT_EQ(cell(w, 2, 2), QStringLiteral("s21"));
    EXPECT_EQ(cell(w, 2, 3), QStringLiteral("s22T"));
    EXPECT_EQ(cell(w, 2, 4), QStringLiteral("s23"));

    // The group and item columns are no cells to stand on: the editor stays where it was.
    clickCell(g, 2, 1);
    ASSERT_TRUE(editingCell(w, 1, 3));
    type(QStringLiteral("Z"));
    EXPECT_EQ(cell(w, 2, 1), QStringLiteral("i2"));
    EXPECT_EQ(cell(w, 1, 3), QStringLiteral("s12YZ"));

    click(w->ui.Command2);  // 保  存
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    const QString year = QDate::currentDate().toString(QStringLiteral("yyyy"));
    const auto rows = stored(3);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].mid(1), (QStringList{"s11 ", "s12YZ ", "s13X "}));
    EXPECT_EQ(rows[1].mid(1).value(0), QStringLiteral("s21 "));
    EXPECT_EQ(rows[1].mid(1).value(2), QStringLiteral("s23 "));
    EXPECT_TRUE(messages().empty());
}

TEST_F(AssessmentSheetInput, TabAndShiftTabLeaveTheGridAndTheEditorInTheManagersTabOrder) {
    auto* w = editing();
    FlexGrid* g = w->ui.MSFlexGrid1;
    clickCell(g, 1, 2);
    ASSERT_TRUE(editingCell(w, 1, 2));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), w->ui.Command1);
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    type(QStringLiteral("T"));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), w->ui.Command2);
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), w->ui.Text1);
    // Round to the grid: the editor comes back on the current cell.
    press(Qt::Key_Tab);
    ASSERT_TRUE(editingCell(w, 1, 2));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), w->ui.Text1);
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    w->ui.Text1->selectAll();
    type(QStringLiteral("2030"));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("2030"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), w->ui.Command2);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(editingCell(w, 1, 2));
    for (int c = 2; c <= 4; ++c) {
        EXPECT_EQ(cell(w, 1, c), QStringLiteral("s1%1").arg(c - 1));
        EXPECT_EQ(cell(w, 2, c), QStringLiteral("s2%1").arg(c - 1));
    }
    // A click elsewhere takes the editor away too.
    click(w->ui.Text1);
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    click(w->ui.Command2);  // 保  存
    EXPECT_EQ(stored(3), (QList<QStringList>{{"2030", "s11 ", "s12 ", "s13 "}, {"2030", "s21 ", "s22 ", "s23 "}}));
}

TEST_F(AssessmentSheetInput, TheStaffWindowTabsFromItsButtonsToTheGridAndTheYearBox) {
    auto* w = editing<Formshowkh1>();
    FlexGrid* g = w->ui.MSFlexGrid1;
    EXPECT_EQ(focused(), w->ui.Command2);
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), w->ui.Command1);
    press(Qt::Key_Tab);
    ASSERT_TRUE(editingCell(w, 1, 2));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), w->ui.Text1);
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    clickCell(g, 2, 4);
    ASSERT_TRUE(editingCell(w, 2, 4));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), w->ui.Command1);
    EXPECT_FALSE(w->ui.Input_Text->isVisible());
    type(QStringLiteral("T"));
    EXPECT_EQ(cell(w, 2, 4), QStringLiteral("s23"));
    EXPECT_EQ(cell(w, 2, 3), QStringLiteral("s22"));
}

TEST_F(AssessmentSheetInput, ArrowKeysInTheEditorNeverLeaveItBehind) {
    auto* w = editing();
    clickCell(w->ui.MSFlexGrid1, 1, 3);
    ASSERT_TRUE(editingCell(w, 1, 3));
    press(Qt::Key_Down);
    type(QStringLiteral("T"));
    EXPECT_EQ(cell(w, 1, 2), QStringLiteral("s11"));
    EXPECT_EQ(cell(w, 2, 3), QStringLiteral("s22T"));
    EXPECT_TRUE(editingCell(w, 2, 3));
    press(Qt::Key_Up);
    EXPECT_TRUE(editingCell(w, 1, 3));
}
