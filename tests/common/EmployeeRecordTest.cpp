// An employee record loaded and stored back: what nobody changed keeps its
// bytes, what was changed lands in the one row it came from.
#include "TestDatabase.h"

#include "platform/Database.h"
#include "common/EmployeeRecord.h"

#include <QMap>

using namespace platform;
using namespace halvern;
using halvern::test::DatabaseTest;

namespace {

// Each column of the rows of a table, as SQLite holds it: its type and its
// bytes, so a Null, an empty text and a changed byte all differ.
using StoredBytes = QMap<QString, QString>;
QList<StoredBytes> storedBytes(Connection& conn, const QString& table, const QString& where = QStringLiteral("1")) {
    QStringList columns;
    {
        Statement st(conn, QStringLiteral("select * from \"%1\" limit 0").arg(table));
        for (int i = 0; i < st.columnCount(); ++i) columns << st.columnName(i);
    }
    QStringList parts;
    for (const QString& c : columns) parts << QStringLiteral("typeof(\"%1\")||':'||hex(\"%1\")").arg(c);
    QList<StoredBytes> rows;
    Statement st(conn, QStringLiteral("select %1 from \"%2\" where %3 order by rowid").arg(parts.join(','), table, where));
    while (st.next()) {
        StoredBytes row;
        for (int i = 0; i < columns.size(); ++i) row.insert(columns.at(i), st.value(i).toString());
        rows << row;
    }
    return rows;
}

// How SQLite holds a text.
QString textBytes(const QString& text) { return QStringLiteral("text:") + QString::fromLatin1(text.toUtf8().toHex().toUpper()); }

}  // namespace

class EmployeeRecordStore : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        // Trailing and leading blanks, Null beside empty text, a date with a time
        // of day, and bytes another program left that are no UTF-8 text.
        addEmployee(QStringLiteral("R1"), QStringLiteral("赵一 "),
                    {{QStringLiteral("部门"), QStringLiteral("行政部 ")},
                     {QStringLiteral("职位"), QStringLiteral(" ")},
                     {QStringLiteral("性别"), QString(QLatin1String(""))},
                     {QStringLiteral("出生日期"), QStringLiteral("1985-12-31 00:00:00")},
                     {QStringLiteral("录用日期"), QStringLiteral("2005-07-01")},
                     {QStringLiteral("身高"), QStringLiteral("  175")},
                     {QStringLiteral("合同到期日"), QVariant()},
                     {QStringLiteral("图片"), QStringLiteral("\\pic\\R1.jpg")}});
        db()->execute(QStringLiteral("update 员工信息 set 籍贯=cast(x'B1B1BEA9' as text) where 员工编号='R1'"));
        // Two history rows under one number: the first is his history.
        db()->execute(QStringLiteral("insert into 覆历 values ('r1', ' 大学 ', NULL, '', '入职 ')"));
        db()->execute(QStringLiteral("insert into 覆历 values ('R1', '第二行', NULL, NULL, NULL)"));
    }
};

TEST_F(EmployeeRecordStore, ARecordStoredBackChangesOnlyWhatWasSetInTheRowsItCameFrom) {
    const QList<StoredBytes> employeesBefore = storedBytes(*db(), QStringLiteral("员工信息"));
    const QList<StoredBytes> historyBefore = storedBytes(*db(), QStringLiteral("覆历"));
    ASSERT_EQ(historyBefore.size(), 2);

    auto record = EmployeeRecord::LoadWithHistory(*db(), QStringLiteral("R1"));
    ASSERT_TRUE(record.has_value());
    ASSERT_TRUE(record->history.has_value());
    EXPECT_EQ(record->history->Text(QStringLiteral("教育背景")), QStringLiteral(" 大学 "));
    EXPECT_TRUE(record->Value(QStringLiteral("合同到期日")).isNull());
    EXPECT_FALSE(record->Value(QStringLiteral("性别")).isNull());

    // Unchanged, nothing is written.
    EXPECT_TRUE(record->Store(*db()));
    EXPECT_EQ(storedBytes(*db(), QStringLiteral("员工信息")), employeesBefore);
    EXPECT_EQ(storedBytes(*db(), QStringLiteral("覆历")), historyBefore);

    // One value of each row changed: every other value keeps its bytes, and the
    // second history row is not touched.
    record->Set(QStringLiteral("部门"), QStringLiteral("销售部"));
    record->history->Set(QStringLiteral("本公司经历"), QStringLiteral("入职 \r\n调往销售部"));
    EXPECT_TRUE(record->Store(*db()));
    QList<StoredBytes> employees = storedBytes(*db(), QStringLiteral("员工信息"));
    QList<StoredBytes> history = storedBytes(*db(), QStringLiteral("覆历"));
    ASSERT_EQ(employees.size(), employeesBefore.size());
    ASSERT_EQ(history.size(), 2);
    EXPECT_EQ(employees.last().value(QStringLiteral("部门")), textBytes(QStringLiteral("销售部")));
    EXPECT_EQ(history.first().value(QStringLiteral("本公司经历")), textBytes(QStringLiteral("入职 \r\n调往销售部")));
    employees.last().insert(QStringLiteral("部门"), employeesBefore.last().value(QStringLiteral("部门")));
    history.first().insert(QStringLiteral("本公司经历"), historyBefore.first().value(QStringLiteral("本公司经历")));
    EXPECT_EQ(employees, employeesBefore);
    EXPECT_EQ(history, historyBefore);
}

TEST_F(EmployeeRecordStore, ANewNumberMovesTheRowItselfAndAnEmptyDateIsStoredAsNull) {
    auto record = EmployeeRecord::LoadWithHistory(*db(), QStringLiteral("R1"));
    ASSERT_TRUE(record.has_value());
    record->Set(QStringLiteral("员工编号"), QStringLiteral("R9"));
    record->Set(QStringLiteral("录用日期"), QVariant());
    record->history->Set(QStringLiteral("员工编号"), QStringLiteral("R9"));
    EXPECT_TRUE(record->Store(*db()));
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='R1'")), 0);
    EXPECT_TRUE(db()->scalar(QStringLiteral("select 录用日期 is null from 员工信息 where 员工编号='R9'")).toBool());
    EXPECT_EQ(db()->scalar(QStringLiteral("select hex(籍贯) from 员工信息 where 员工编号='R9'")).toString(),
              QStringLiteral("B1B1BEA9"));
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='R9'")), 1);
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='R1' and 教育背景='第二行'")), 1);
}

TEST_F(EmployeeRecordStore, ARecordWhoseRowIsGoneStoresNothing) {
    auto record = EmployeeRecord::LoadWithHistory(*db(), QStringLiteral("R1"));
    ASSERT_TRUE(record.has_value());
    db()->execute(QStringLiteral("delete from 员工信息 where 员工编号='R1'"));
    db()->execute(QStringLiteral("delete from 覆历"));
    // As the modify window leaves it: every value set.
    record->Set(QStringLiteral("部门"), QStringLiteral("销售部"));
    for (const QString& column : HistoryColumns()) record->history->Set(column, record->history->Value(column));
    EXPECT_THROW(record->Store(*db()), DbError);
    // Neither a new employee nor a history without one.
    EXPECT_EQ(count(QStringLiteral("员工信息")), 1);  // the placeholder
    EXPECT_EQ(count(QStringLiteral("覆历")), 0);
}

TEST_F(EmployeeRecordStore, ANewRecordWritesOnlyWhatWasSetAndNeverOverAnotherEmployee) {
    EmployeeRecord fresh;
    fresh.Set(QStringLiteral("员工编号"), QStringLiteral("N1"));
    fresh.Set(QStringLiteral("姓名"), QStringLiteral("新人"));
    fresh.Set(QStringLiteral("职位"), QStringLiteral(" "));
    fresh.history.emplace().Set(QStringLiteral("员工编号"), QStringLiteral("N1"));
    EXPECT_TRUE(fresh.Store(*db()));
    const QList<StoredBytes> added = storedBytes(*db(), QStringLiteral("员工信息"), QStringLiteral("员工编号='N1'"));
    ASSERT_EQ(added.size(), 1);
    for (auto it = added[0].begin(); it != added[0].end(); ++it) {
        const QString& column = it.key();
        if (column == QStringLiteral("员工编号"))
            EXPECT_EQ(it.value(), textBytes(QStringLiteral("N1")));
        else if (column == QStringLiteral("姓名"))
            EXPECT_EQ(it.value(), textBytes(QStringLiteral("新人")));
        else if (column == QStringLiteral("职位"))
            EXPECT_EQ(it.value(), textBytes(QStringLiteral(" ")));
        else
            EXPECT_EQ(it.value(), QStringLiteral("null:")) << column.toStdString();
    }
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='N1'")), 1);

    // A number on file fails, and its history row goes with it.
    const QList<StoredBytes> employeesBefore = storedBytes(*db(), QStringLiteral("员工信息"));
    const int histories = count(QStringLiteral("覆历"));
    EmployeeRecord duplicate;
    duplicate.Set(QStringLiteral("员工编号"), QStringLiteral("r1"));
    duplicate.Set(QStringLiteral("姓名"), QStringLiteral("重复"));
    duplicate.history.emplace().Set(QStringLiteral("员工编号"), QStringLiteral("r1"));
    EXPECT_THROW(duplicate.Store(*db()), DbError);
    EXPECT_EQ(storedBytes(*db(), QStringLiteral("员工信息")), employeesBefore);
    EXPECT_EQ(count(QStringLiteral("覆历")), histories);
}

TEST_F(EmployeeRecordStore, TheColumnListsAreThoseOfTheTables) {
    const auto columns = [this](const QString& table) {
        QStringList names;
        Statement st(*db(), QStringLiteral("pragma table_info(\"%1\")").arg(table));
        while (st.next()) names << st.value(1).toString();
        return names;
    };
    EXPECT_EQ(columns(QStringLiteral("员工信息")), EmployeeColumns());
    EXPECT_EQ(columns(QStringLiteral("员工离职")), LeaverColumns());
    EXPECT_EQ(columns(QStringLiteral("覆历")), HistoryColumns());
}

TEST_F(EmployeeRecordStore, ALeaverKeepsTheEmployeesBytesAndIsRemovedByHisOwnRow) {
    auto employee = EmployeeRecord::FindByName(*db(), QStringLiteral("赵一 "));
    ASSERT_TRUE(employee.has_value());
    EXPECT_FALSE(EmployeeRecord::FindByName(*db(), QStringLiteral("赵一")).has_value());
    LeaverRecord::Of(*employee, QStringLiteral(" 另谋高就"), QStringLiteral("2024-01-02 09:30:00")).Store(*db());
    LeaverRecord::Of(*employee, QStringLiteral("第二次"), QVariant()).Store(*db());

    const StoredBytes stored = storedBytes(*db(), QStringLiteral("员工信息"), QStringLiteral("员工编号='R1'")).value(0);
    const QList<StoredBytes> leavers = storedBytes(*db(), QStringLiteral("员工离职"));
    ASSERT_EQ(leavers.size(), 3);  // the placeholder and the two
    StoredBytes first = leavers.at(1);
    EXPECT_EQ(first.take(QStringLiteral("离职原因")), textBytes(QStringLiteral(" 另谋高就")));
    EXPECT_EQ(first.take(QStringLiteral("离职时间")), textBytes(QStringLiteral("2024-01-02 09:30:00")));
    EXPECT_EQ(first, stored);

    // The first leaver of the number is found, as the database compares numbers, and only his row goes.
    auto leaver = LeaverRecord::Load(*db(), QStringLiteral("r1"));
    ASSERT_TRUE(leaver.has_value());
    EXPECT_EQ(leaver->Text(QStringLiteral("离职原因")), QStringLiteral(" 另谋高就"));
    leaver->Remove(*db());
    EXPECT_EQ(count(QStringLiteral("员工离职"), QStringLiteral("员工编号='R1'")), 1);
    EXPECT_EQ(LeaverRecord::Load(*db(), QStringLiteral("R1"))->Text(QStringLiteral("离职原因")), QStringLiteral("第二次"));
    EXPECT_THROW(leaver->Remove(*db()), DbError);
}
