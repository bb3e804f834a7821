// The views table against the shipped database: every query runs, its print
// layout names no more columns than it shows, the quick search's fields are
// columns of the table it searches and the sorts keep the view's columns.
#include "TestProgram.h"

#include "shell/QuickSearch.h"
#include "shell/Views.h"

namespace halvern::test {
namespace {

using namespace platform;

class Views : public ProgramTest {};

QStringList ColumnsOf(Connection& db, const QString& sql) {
    const Statement st(db, sql);
    QStringList names;
    for (int i = 0; i < st.columnCount(); ++i) names << st.columnName(i);
    return names;
}

TEST_F(Views, EveryViewRunsAndItsLayoutAndFieldsFitItsColumns) {
    const auto conn = db();
    for (const View& v : halvern::Views()) {
        SCOPED_TRACE(v.position);
        const QStringList shown = ColumnsOf(*conn, v.Source().sql());
        ASSERT_FALSE(shown.isEmpty());
        // A layout may leave the last columns out; it never names more than the view shows.
        if (v.gridFormat != QLatin1String("xx")) {
            EXPECT_LE(v.gridFormat.split(QLatin1Char('|')).size(), shown.size());
        }
        // The quick search names these fields in the table the view reads.
        const QString table = v.select.section(QStringLiteral(" from "), 1).section(QLatin1Char(' '), 0, 0);
        const QStringList columns = TableColumns(*conn, table);
        for (const QString& f : v.fields) EXPECT_TRUE(columns.contains(f)) << f.toStdString();
        if (v.Sortable()) {
            EXPECT_EQ(ColumnsOf(*conn, v.select + v.byNumber), shown);
            EXPECT_EQ(ColumnsOf(*conn, v.select + v.byHiring), shown);
        }
    }
}

TEST_F(Views, EachPositionAndEachCaptionNamesOneView) {
    for (const View& v : halvern::Views()) {
        EXPECT_EQ(ViewAt(v.position), &v);
        EXPECT_FALSE(v.caption.isEmpty());
        int sameCaption = 0;
        for (const View& other : halvern::Views()) sameCaption += other.caption == v.caption;
        EXPECT_EQ(sameCaption, 1) << v.caption.toStdString();
    }
    for (short none : {0, 1, 3, 7, 12, 15}) EXPECT_EQ(ViewAt(none), nullptr) << none;
}

}  // namespace
}  // namespace halvern::test
