#include "Formnew1.h"

namespace halvern {

namespace {

const QString kGroupsSql = QStringLiteral("select su from 员工竖2");
const QString kGroupByNameSql = QStringLiteral("select su from 员工竖2 where su=?");
const QString kItemsSql = QStringLiteral("select su from 员工竖1");
const QString kItemByNameSql = QStringLiteral("select su from 员工竖1 where su=?");

}  // namespace

Formnew1::Formnew1()
    : RowLayoutEditor(QStringLiteral("员工考核表定义"), {kGroupsSql, kGroupByNameSql}, {kItemsSql, kItemByNameSql}) {}

}  // namespace halvern
