#include "TestProgram.h"
#include "MainWindowInput.h"

#include "platform/DataControl.h"
#include "platform/FlexGrid.h"
#include "platform/WindowHost.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"

using namespace platform;
using halvern::DbConnString;
using halvern::test::chooseView;
using halvern::test::ProgramTest;

namespace {

// A table far larger than the blocks a view holds, with many equal values in
// its ordered column, so that the order among equals shows.
class RecordWindow : public ProgramTest {
protected:
    static constexpr int kRows = 45 * RecordModel::kBlockRows + 37;
    void SetUp() override {
        ProgramTest::SetUp();
        db()->executeScript(QStringLiteral(
            "create table t (k integer, name text, grp text);"
            "create index t_grp on t (grp desc);"
            "begin;"
            "with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
            "insert into t select i, '名' || i, case when i % 7 = 3 then null else 'g' || (i % 5) end from n;"
            "commit;")
                                .arg(kRows));
    }
    // Every row of the query as a plain reading of it gives them: first column, NULL as "<null>".
    QStringList plain(const QString& sql, const QVariantList& params = {}) const {
        auto conn = db();
        Statement st(*conn, sql, params);
        QStringList out;
        while (st.next()) out << (st.isNull(0) ? QStringLiteral("<null>") : st.value(0).toString());
        return out;
    }
    QStringList shown(const RecordModel& m) const {
        QStringList out;
        for (int r = 0; r < m.rowCount(); ++r) out << (m.isNull(r, 0) ? QStringLiteral("<null>") : m.text(r, 0));
        return out;
    }
    DataControl* source(const QString& sql, const QVariantList& params = {}) {
        dc_.ConnectionString = DbConnString();
        dc_.RecordSource = {sql, {}, params};
        dc_.Refresh();
        return &dc_;
    }
    DataControl dc_;
};

TEST_F(RecordWindow, ALargeViewShowsEveryRowInTheQuerysOwnOrderWithAnExactCount) {
    // Ordered by an index (read in blocks) and by a column the database must sort (read whole).
    for (const QString& sql : {QStringLiteral("select k, name, grp from t order by grp desc"),
                              QStringLiteral("select k, name, grp from t order by name desc")}) {
        SCOPED_TRACE(sql.toStdString());
        const QStringList expected = plain(sql);
        ASSERT_EQ(expected.size(), kRows);
        const RecordModel& m = *source(sql)->model();
        EXPECT_EQ(dc_.RecordCount(), kRows);
        // Forward through every block, then back from the end: blocks let go are read again alike.
        EXPECT_EQ(shown(m), expected);
        for (int r = kRows - 1; r >= 0; r -= 97) EXPECT_EQ(m.text(r, 0), expected.at(r)) << r;
        EXPECT_TRUE(m.isNull(expected.indexOf(QStringLiteral("3")), 2));
        EXPECT_FALSE(m.isNull(expected.indexOf(QStringLiteral("4")), 2));
        EXPECT_EQ(m.text(kRows, 0), QString());

        QStringList scanned;
        int next = 0;
        m.scan(0, kRows + 5, [&](int row, const QStringList& texts) {
            EXPECT_EQ(row, next++);
            ASSERT_EQ(texts.size(), 3);
            scanned << texts.at(0);
        });
        EXPECT_EQ(scanned, expected);
        QStringList middle;
        m.scan(300, 310, [&](int, const QStringList& texts) { middle << texts.at(0); });
        EXPECT_EQ(middle, expected.mid(300, 11));
    }
}

TEST_F(RecordWindow, TheCountLeavesTheQuerysOwnWordsValuesAndLimitAlone) {
    const struct {
        QString sql;
        QVariantList params;
    } queries[] = {
        {QStringLiteral("select k from t where name <> 'x) order by (y' and k > ? order by grp desc, k"), {100}},
        {QStringLiteral("select k from t where k <= ? order by k % ?"), {1000, 7}},
        {QStringLiteral("select k from t order by k limit 1000"), {}},
        {QStringLiteral("select * from (select k from t order by k desc limit 300) order by k"), {}},
        {QStringLiteral("select k from t where grp is null -- order by grp\n order by k desc"), {}},
        {QStringLiteral("select grp, count(*) from t group by grp order by grp"), {}},
    };
    for (const auto& q : queries) {
        SCOPED_TRACE(q.sql.toStdString());
        const QStringList expected = plain(q.sql, q.params);
        source(q.sql, q.params);
        EXPECT_EQ(dc_.RecordCount(), expected.size());
        EXPECT_EQ(shown(*dc_.model()), expected);
    }
    // Repeated column names stay as the query names them.
    source(QStringLiteral("select k, k, name as k from t order by grp desc"));
    EXPECT_EQ(dc_.model()->columnNames(), (QStringList{"k", "k", "k"}));
}

TEST_F(RecordWindow, AQueryHandedOverInPartsShowsItsRowsInItsOrderWithAnExactCount) {
    // Ordered by an index (read in blocks) and by a column the database must sort (read whole).
    for (const QString& order : {QStringLiteral(" order by grp desc"), QStringLiteral(" order by name desc")}) {
        SCOPED_TRACE(order.toStdString());
        const Query query{QStringLiteral("select k, grp from t where k > ? and name <> 'order by'"), order, {10}};
        const QStringList expected = plain(query.sql(), query.params);
        ASSERT_EQ(expected.size(), kRows - 10);
        dc_.ConnectionString = DbConnString();
        dc_.Refresh(query);
        EXPECT_EQ(dc_.RecordSource, query);
        EXPECT_EQ(dc_.RecordCount(), expected.size());
        EXPECT_EQ(shown(*dc_.model()), expected);
    }
}

TEST_F(RecordWindow, RowsThatCanNoLongerBeReadShowEmptyAndAWalkOverThemFails) {
    FlexGrid grid;
    grid.SetDataSource(source(QStringLiteral("select k, name from t order by grp desc")));
    const QString first = grid.TextMatrix(1, 0);
    db()->executeScript(QStringLiteral("drop table t"));
    EXPECT_EQ(grid.Rows(), kRows + 1);
    EXPECT_EQ(grid.TextMatrix(1, 0), first);  // held
    EXPECT_EQ(grid.TextMatrix(kRows, 1), QString());  // not held, not readable: empty, no crash
    EXPECT_THROW(grid.ScanRows(0, grid.Rows() - 1, [](int, const QStringList&) {}), DbError);
    // A refresh that cannot run keeps the grid as it was.
    EXPECT_THROW(dc_.Refresh(), DbError);
    EXPECT_EQ(grid.Rows(), kRows + 1);
}

TEST_F(RecordWindow, AGridWalkGivesTheHeaderRowThenEveryRowOnce) {
    FlexGrid grid;
    grid.SetDataSource(source(QStringLiteral("select k, grp from t order by grp desc")));
    const QStringList expected = plain(QStringLiteral("select k from t order by grp desc"));
    QStringList seen;
    grid.ScanRows(0, grid.Rows() - 1, [&](int row, const QStringList& texts) {
        EXPECT_EQ(row, seen.size());
        EXPECT_EQ(texts.size(), 2);
        seen << texts.value(0);
    });
    ASSERT_EQ(seen.size(), kRows + 1);
    EXPECT_EQ(seen.first(), QStringLiteral("k"));
    EXPECT_EQ(seen.mid(1), expected);
}

TEST_F(RecordWindow, ADatabaseWithoutTheOrderIndexesShowsTheViewsAndSortsAlike) {
    {
        auto conn = db();
        Transaction tx(*conn);
        for (int i = 0; i < 3 * RecordModel::kBlockRows; ++i)
            conn->execute(QStringLiteral("insert into 员工信息 (员工编号,姓名,部门,录用日期) values (?,?,?,?)"),
                          {QStringLiteral("N%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("员工%1").arg(i),
                           QStringLiteral("部门%1").arg(i % 3),
                           QStringLiteral("200%1-01-0%2").arg(i % 4).arg(1 + i % 2) +
                               (i % 5 ? QString() : QStringLiteral(" 08:00:00"))});
        tx.commit();
    }
    auto* f = WindowHost::Default<halvern::Form1>();
    f->Load();
    // Column 0 of every row of each employee view, by department, by number and by hiring date.
    const auto everyView = [f] {
        QStringList out;
        for (int mode : {2, 4, 5, 6}) {
            chooseView(f, mode);
            for (void (halvern::Form1::*sort)() :
                 {&halvern::Form1::sortbumen_Click, &halvern::Form1::sortbh_Click, &halvern::Form1::sortluyong_Click}) {
                (f->*sort)();
                out << f->PanelText(5);
                f->dgrid->ScanRows(1, f->dgrid->Rows() - 1, [&](int, const QStringList& texts) { out << texts.at(0); });
            }
        }
        return out;
    };
    const QStringList indexed = everyView();
    db()->executeScript(QStringLiteral(
        "drop index \"员工信息_部门\"; drop index \"员工信息_录用日期\"; drop index \"员工信息_录用日期_日\";"));
    EXPECT_EQ(everyView(), indexed);
    EXPECT_GT(indexed.size(), 12 * 3 * RecordModel::kBlockRows);
}

}  // namespace
