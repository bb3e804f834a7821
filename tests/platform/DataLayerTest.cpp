#include "TestDatabase.h"

#include "platform/DataControl.h"
#include "platform/Dates.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"

#include <QFile>

using namespace platform;
using halvern::test::DatabaseTest;

class DataLayer : public DatabaseTest {
protected:
    // The personnel database of the test's program directory, as the program names it.
    static QString DbConnString() {
        return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False;Data Source=") +
               ProgramDir() + QStringLiteral("/db2.mdb");
    }
};

TEST_F(DataLayer, ValuesWithQuotesAndPercentAreStoredAndMatchedLiterally) {
    addEmployee(QStringLiteral("O'Neil"), QStringLiteral("100%"));
    addEmployee(QStringLiteral("B2"), QStringLiteral("1000"));
    Recordset rs;
    rs.Open(QStringLiteral("select * from 员工信息 where 员工编号=?"), DbConnString(), LockType::ReadOnly, {QStringLiteral("O'Neil")});
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Text(QStringLiteral("姓名")), QStringLiteral("100%"));
    // A "%" typed by the user is a character, not a wildcard, when compared with =.
    rs.Open(QStringLiteral("select * from 员工信息 where 姓名=?"), DbConnString(), LockType::ReadOnly, {QStringLiteral("100%")});
    EXPECT_EQ(rs.RecordCount(), 1);
}

TEST_F(DataLayer, RecordCountIsExactAndNullReadsAsNull) {
    for (int i = 0; i < 25; ++i) addEmployee(QStringLiteral("E%1").arg(i), QStringLiteral("张%1").arg(i));
    Recordset rs;
    rs.Open(QStringLiteral("select * from 员工信息 where 员工编号 like 'E%'"), DbConnString());
    EXPECT_EQ(rs.RecordCount(), 25);
    rs.MoveFirst();
    EXPECT_TRUE(rs.Fields(QStringLiteral("出生日期")).isNull());
    EXPECT_EQ(rs.Text(QStringLiteral("出生日期")), QString());
    int seen = 0;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) ++seen;
    EXPECT_EQ(seen, 25);
    EXPECT_THROW(rs.Fields(QStringLiteral("没有的字段")), DbError);
}

TEST_F(DataLayer, AddUpdateDeleteAndCancelThroughARecordset) {
    Recordset rs;
    rs.Open(QStringLiteral("select * from 部门表"), DbConnString(), LockType::Pessimistic);
    const int before = rs.RecordCount();
    rs.AddNew();
    rs.SetField(QStringLiteral("部门"), QStringLiteral("质检部"));
    rs.Update();
    EXPECT_EQ(rs.Text(QStringLiteral("部门")), QStringLiteral("质检部"));
    rs.AddNew();
    rs.SetField(QStringLiteral("部门"), QStringLiteral("不要的部门"));
    rs.CancelUpdate();
    EXPECT_EQ(count(QStringLiteral("部门表")), before + 1);

    rs.Open(QStringLiteral("select * from 部门表 where 部门=?"), DbConnString(), LockType::Pessimistic, {QStringLiteral("质检部")});
    rs.SetField(QStringLiteral("部门"), QStringLiteral("品管部"));
    rs.Update();
    EXPECT_EQ(count(QStringLiteral("部门表"), QStringLiteral("部门=?"), {QStringLiteral("品管部")}), 1);
    rs.Delete();
    EXPECT_EQ(count(QStringLiteral("部门表")), before);
}

TEST_F(DataLayer, AWritableRecordsetWritesTheTableAndColumnsBehindItsFields) {
    // A field under another name, of a table named with its database: the database says what to write.
    Recordset rs;
    const QString sql = QStringLiteral("select 部门 as 名称 from main.部门表 where 部门 like ?");
    rs.Open(sql, DbConnString(), LockType::Pessimistic, {QStringLiteral("财务%")});
    ASSERT_EQ(rs.RecordCount(), 1);
    rs.SetField(QStringLiteral("名称"), QStringLiteral("财务一部"));
    rs.Update();
    rs.AddNew();
    rs.SetField(QStringLiteral("名称"), QStringLiteral("财务二部"));
    rs.Update();
    EXPECT_EQ(rs.Text(QStringLiteral("名称")), QStringLiteral("财务二部"));
    EXPECT_EQ(count(QStringLiteral("部门表"), QStringLiteral("部门 like '财务%'")), 2);
    EXPECT_EQ(count(QStringLiteral("部门表"), QStringLiteral("部门='财务部'")), 0);
    rs.Delete();
    EXPECT_EQ(count(QStringLiteral("部门表"), QStringLiteral("部门 like '财务%'")), 1);

    // A computed field is read but never written.
    rs.Open(QStringLiteral("select 部门, upper(部门) as 大写 from 部门表"), DbConnString(), LockType::Pessimistic);
    rs.SetField(QStringLiteral("大写"), QStringLiteral("X"));
    EXPECT_THROW(rs.Update(), DbError);
    EXPECT_EQ(count(QStringLiteral("部门表"), QStringLiteral("部门='X'")), 0);
}

TEST_F(DataLayer, OnlyAQueryOfOneTableOpensForWriting) {
    const auto refusal = [](const QString& sql) {
        Recordset rs;
        try {
            rs.Open(sql, DbConnString(), LockType::Pessimistic);
        } catch (const DbError& e) {
            return e.message();
        }
        return QStringLiteral("opened");
    };
    const QString oneTable = QStringLiteral("只能修改单个表的记录。");
    EXPECT_EQ(refusal(QStringLiteral("select a.* from 部门表 a join 部门表 b on a.部门 = b.部门")), oneTable);
    EXPECT_EQ(refusal(QStringLiteral("select 部门 from 部门表 union select 民族 from 民族")), oneTable);
    EXPECT_EQ(refusal(QStringLiteral("select 1 as 部门")), oneTable);
    EXPECT_EQ(refusal(QStringLiteral("values (1)")), oneTable);
    // A query that cannot run at all says why.
    const QString missing = refusal(QStringLiteral("select * from 没有这个表"));
    EXPECT_NE(missing, oneTable);
    EXPECT_TRUE(missing.contains(QStringLiteral("没有这个表"))) << missing.toStdString();
    EXPECT_EQ(refusal(QStringLiteral("  SELECT *\n from 部门表 -- every one\n where 部门 <> ''")), QStringLiteral("opened"));
}

TEST_F(DataLayer, FailedMultiStepWriteLeavesNothing) {
    auto conn = Connection::open(DbConnString());
    try {
        Transaction tx(*conn);
        conn->execute(QStringLiteral("insert into 员工信息 (员工编号,姓名) values (?,?)"), {QStringLiteral("T1"), QStringLiteral("甲")});
        conn->execute(QStringLiteral("insert into 覆历 (员工编号) values (?)"), {QStringLiteral("T1")});
        // The same number again: the unique index refuses it and the whole change goes.
        conn->execute(QStringLiteral("insert into 员工信息 (员工编号,姓名) values (?,?)"), {QStringLiteral("T1"), QStringLiteral("乙")});
        tx.commit();
        FAIL() << "the duplicate number was accepted";
    } catch (const DbError&) {
    }
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='T1'")), 0);
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='T1'")), 0);
}

TEST_F(DataLayer, MissingForeignAndWronglyKeyedFilesGiveErrorsNotCrashes) {
    EXPECT_THROW(Connection::open(QStringLiteral("Data Source=") + path(QStringLiteral("nothere.mdb"))), DbError);
    QFile junk(path(QStringLiteral("junk.mdb")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    EXPECT_THROW(Connection::open(QStringLiteral("Data Source=") + path(QStringLiteral("junk.mdb"))), DbError);
    // The user database opens only with its password.
    EXPECT_THROW(Connection::open(QStringLiteral("Data Source=") + path(QStringLiteral("cuser.mdb"))), DbError);
    EXPECT_THROW(Connection::open(QStringLiteral("Data Source=") + path(QStringLiteral("cuser.mdb")) +
                                  QStringLiteral(";Jet OLEDB:Database Password=WGM;")),
                 DbError);
    EXPECT_EQ(userDb()->scalar(QStringLiteral("select cpwd from cuser where cname='lorap'")).toString(), QStringLiteral("lorap"));
}

TEST_F(DataLayer, DataControlShowsColumnNamesAndKeepsRowsWhenARefreshFails) {
    addEmployee(QStringLiteral("A1"), QStringLiteral("王一"), {{QStringLiteral("出生日期"), QStringLiteral("1990-02-03")}});
    DataControl dc;
    dc.ConnectionString = DbConnString();
    dc.RecordSource = QStringLiteral("select 员工编号,姓名,substr(出生日期,1,10) as 出生日期 from 员工信息 where 员工编号<>'.'");
    dc.Refresh();
    ASSERT_EQ(dc.RecordCount(), 1);
    EXPECT_EQ(dc.model()->columnNames(), (QStringList{QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("出生日期")}));
    EXPECT_EQ(dc.model()->text(0, 2), QStringLiteral("1990-02-03"));
    dc.RecordSource = QStringLiteral("select * from 没有这个表");
    EXPECT_THROW(dc.Refresh(), DbError);
    EXPECT_EQ(dc.RecordCount(), 1);
}

TEST_F(DataLayer, DataControlAdoptsANewSourceOnlyOnceItsQueryRan) {
    addEmployee(QStringLiteral("A1"), QStringLiteral("王一"));
    addEmployee(QStringLiteral("A2"), QStringLiteral("王二"));
    addEmployee(QStringLiteral("B1"), QStringLiteral("李一"));
    DataControl dc;
    dc.ConnectionString = DbConnString();
    const QString byNumber = QStringLiteral("select 员工编号 from 员工信息 where 员工编号 like ? order by 员工编号");
    dc.Refresh({byNumber, {}, {QStringLiteral("A%")}});
    EXPECT_EQ(dc.RecordSource.sql(), byNumber);
    EXPECT_EQ(dc.RecordSource.params, QVariantList{QStringLiteral("A%")});
    ASSERT_EQ(dc.RecordCount(), 2);

    EXPECT_THROW(dc.Refresh(QStringLiteral("select * from 没有这个表")), DbError);
    EXPECT_EQ(dc.RecordSource.sql(), byNumber);
    EXPECT_EQ(dc.RecordSource.params, QVariantList{QStringLiteral("A%")});
    EXPECT_EQ(dc.RecordCount(), 2);
    // A later refresh runs the source that made the rows, with its values.
    addEmployee(QStringLiteral("A3"), QStringLiteral("王三"));
    dc.Refresh();
    EXPECT_EQ(dc.RecordCount(), 3);
}

TEST(Dates, TypedDatesAcceptShortAndFullFormsOnly) {
    EXPECT_EQ(ParseTypedDate(QStringLiteral("2024-3-5")), QDate(2024, 3, 5));
    EXPECT_EQ(ParseTypedDate(QStringLiteral("2024-03-05")), QDate(2024, 3, 5));
    EXPECT_FALSE(ParseTypedDate(QStringLiteral("2024-02-30")).isValid());
    EXPECT_FALSE(ParseTypedDate(QStringLiteral("20240305")).isValid());
    EXPECT_TRUE(TypedDateValue(QString()).isNull());
    EXPECT_EQ(TypedDateValue(QStringLiteral("2024-3-5")).toString(), QStringLiteral("2024-03-05"));
    EXPECT_THROW(TypedDateValue(QStringLiteral("2024-13-01")), DbError);
}

TEST(Dates, ATypedDateIsFourDigitsOfYearThenMonthAndDayWithHyphensAndNothingElse) {
    EXPECT_EQ(ParseTypedDate(QStringLiteral(" 1980-1-5 ")), QDate(1980, 1, 5));
    EXPECT_EQ(ParseTypedDate(QStringLiteral("0980-12-05")), QDate(980, 12, 5));
    for (const char* text : {"-1980-1-5", "+1980-1-5", "980-1-5", "19800-1-5", "1980-001-5", "1980- 1-5", "1980-1-5x",
                             "1980/1/5", "1980.1.5", "1980-1-5 08:00:00", "１９８０-1-5", "0000-01-01"})
        EXPECT_FALSE(ParseTypedDate(QString::fromUtf8(text)).isValid()) << text;
}
