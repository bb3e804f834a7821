#include "TestDatabase.h"

#include "platform/Database.h"

using namespace platform;
using halvern::test::DatabaseTest;

class PreparedDatabase : public DatabaseTest {
protected:
    QStringList columns(const QString& table) {
        QStringList names;
        Statement st(*db(), QStringLiteral("pragma table_info(\"%1\")").arg(table));
        while (st.next()) names << st.value(1).toString();
        return names;
    }
};

TEST_F(PreparedDatabase, EveryTableHasTheColumnsTheWindowsUse) {
    const QStringList employee{"员工编号", "姓名", "部门", "职位", "性别", "出生日期", "民族", "学历", "身高", "体重",
                               "上岗证", "暂住证", "婚育证", "录用日期", "身份证号", "合同编号", "合同生效日", "合同到期日",
                               "住址", "政治面貌", "特长", "籍贯", "外语情况", "婚否", "联系电话", "毕业院校", "专业",
                               "主要履历", "备注", "图片"};
    EXPECT_EQ(columns(QStringLiteral("员工信息")), employee);
    QStringList leaver = employee;
    leaver << QStringLiteral("离职原因") << QStringLiteral("离职时间");
    EXPECT_EQ(columns(QStringLiteral("员工离职")), leaver);
    EXPECT_EQ(columns(QStringLiteral("覆历")), (QStringList{"员工编号", "教育背景", "工作经历", "奖罚记录", "本公司经历"}));
    EXPECT_EQ(columns(QStringLiteral("培训")).size(), 12);
    EXPECT_EQ(columns(QStringLiteral("节点")), (QStringList{"父节点", "节点编号", "节点名", "节点分类"}));
    for (const QString& t : {QStringLiteral("经理竖1"), QStringLiteral("经理竖2"), QStringLiteral("员工竖1"), QStringLiteral("员工竖2")})
        EXPECT_EQ(columns(t), (QStringList{"id", "su"})) << t.toStdString();
    EXPECT_EQ(columns(QStringLiteral("横")), (QStringList{"id", "hei"}));
    const QStringList sheet = columns(QStringLiteral("经理"));
    EXPECT_TRUE(sheet.contains("noo") && sheet.contains("yee") && sheet.contains("a1") && sheet.contains("a30"));
    EXPECT_EQ(columns(QStringLiteral("员工")), sheet);
}

TEST_F(PreparedDatabase, UniqueNumbersAndDepartmentsAreEnforcedCaseInsensitively) {
    addEmployee(QStringLiteral("a100"), QStringLiteral("甲"));
    EXPECT_THROW(addEmployee(QStringLiteral("A100"), QStringLiteral("乙")), DbError);
    db()->execute(QStringLiteral("insert into 部门表 (部门) values (?)"), {QStringLiteral("QA")});
    EXPECT_THROW(db()->execute(QStringLiteral("insert into 部门表 (部门) values (?)"), {QStringLiteral("qa")}), DbError);
    EXPECT_THROW(db()->execute(QStringLiteral("insert into 培训 (员工编号) values (?)"), {QStringLiteral("")}), DbError);
}

TEST_F(PreparedDatabase, ReferenceDataAndTreeAreShipped) {
    EXPECT_EQ(count(QStringLiteral("民族")), 56);
    EXPECT_EQ(db()->scalar(QStringLiteral("select 民族 from 民族 limit 1")).toString(), QStringLiteral("汉族"));
    EXPECT_EQ(count(QStringLiteral("行政区划")), 7042);
    EXPECT_EQ(db()->scalar(QStringLiteral("select name from 行政区划 where code=?"), {QStringLiteral("110105")}).toString(),
              QStringLiteral("北京市朝阳区"));
    QStringList captions;
    Statement st(*db(), QStringLiteral("select 节点名 from 节点 order by 节点分类"));
    while (st.next()) captions << st.value(0).toString();
    ASSERT_EQ(captions.size(), 14);
    EXPECT_EQ(captions.at(7), QStringLiteral("离职人员"));
    EXPECT_EQ(captions.at(9), QStringLiteral("人事培训"));
    EXPECT_EQ(captions.at(12), QStringLiteral("经理级考核记录"));
    EXPECT_EQ(captions.at(13), QStringLiteral("员工级考核记录"));
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='.'")), 1);
}

TEST_F(PreparedDatabase, HeadingIdsGrowInTheOrderOfAdding) {
    db()->execute(QStringLiteral("delete from 横"));
    db()->execute(QStringLiteral("insert into 横 (hei) values ('乙')"));
    db()->execute(QStringLiteral("insert into 横 (hei) values ('甲')"));
    Statement st(*db(), QStringLiteral("select hei from 横 order by id"));
    QStringList order;
    while (st.next()) order << st.value(0).toString();
    EXPECT_EQ(order, (QStringList{"乙", "甲"}));
}
