#include "TestProgram.h"

#include "platform/WindowHost.h"
#include "records/formmzb.h"
#include "records/formqhb.h"

#include <QFile>

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;

class LookupViewers : public ProgramTest {
protected:
    template <class W>
    W* open() {
        auto* w = WindowHost::Default<W>();
        WindowHost::Show(w, ShowMode::Modal);
        return w;
    }
};

TEST_F(LookupViewers, NationalitiesShowEveryRowOfTheTable) {
    auto* w = open<formmzb>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("民族信息"));
    const int n = count(QStringLiteral("民族"));
    ASSERT_GT(n, 0);
    EXPECT_EQ(w->Adodc1->RecordCount(), n);
    EXPECT_EQ(w->ui.MSHFlexGrid1->Rows(), n + 1);
    EXPECT_EQ(w->ui.MSHFlexGrid1->TextMatrix(0, 0), QStringLiteral("民族"));
    const QString first = db()->scalar(QStringLiteral("select 民族 from 民族")).toString();
    EXPECT_EQ(w->ui.MSHFlexGrid1->TextMatrix(1, 0), first);
}

TEST_F(LookupViewers, RegionsShowCodeAndName) {
    auto* w = open<formqhb>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("行政区划"));
    EXPECT_EQ(w->ui.MSHFlexGrid1->Rows(), count(QStringLiteral("行政区划")) + 1);
    EXPECT_EQ(w->ui.MSHFlexGrid1->TextMatrix(0, 0), QStringLiteral("code"));
    EXPECT_EQ(w->ui.MSHFlexGrid1->TextMatrix(0, 1), QStringLiteral("name"));
}

TEST_F(LookupViewers, EachOpeningRereadsTheTable) {
    const int n = count(QStringLiteral("行政区划"));
    open<formqhb>()->close();
    processEvents();
    db()->execute(QStringLiteral("insert into 行政区划 values ('999999', '新区')"));
    auto* w = open<formqhb>();
    EXPECT_EQ(w->Adodc1->RecordCount(), n + 1);
}

TEST_F(LookupViewers, AnEmptyTableShowsNoRowsAndNoMessage) {
    db()->execute(QStringLiteral("delete from 民族"));
    auto* w = open<formmzb>();
    EXPECT_EQ(w->ui.MSHFlexGrid1->Rows(), 1);
    EXPECT_TRUE(messages().empty());
}

TEST_F(LookupViewers, AMissingDatabaseIsReportedAndTheWindowStaysEmpty) {
    QFile::remove(path(QStringLiteral("db2.mdb")));
    auto* w = open<formmzb>();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(w->Adodc1->RecordCount(), 0);
}
