#include "Formcsh.h"

namespace halvern {

namespace {
const QString kListSql = QStringLiteral("select * from 部门表");
const QString kDeleteSql = QStringLiteral("select * from 部门表 where 部门=?");
}  // namespace

Formcsh::Formcsh()
    : ListEditor({QStringLiteral("部门管理"), kListSql, kDeleteSql, QStringLiteral("部门"), QStringLiteral("原有部门："),
                  QStringLiteral("请输入要增加的部门："), QStringLiteral("请输入要删除的部门："), QStringLiteral("请填写部门"),
                  QStringLiteral("部门重复！！！"), QStringLiteral("输入有误！")}) {}

}  // namespace halvern
