#include "Formbtdy.h"

namespace halvern {

namespace {
const QString kListSql = QStringLiteral("select * from 横");
const QString kDeleteSql = QStringLiteral("select * from 横 where hei=?");
}  // namespace

Formbtdy::Formbtdy()
    : ListEditor({QStringLiteral("定义表头"), kListSql, kDeleteSql, QStringLiteral("hei"), QStringLiteral("原有表头："),
                  QStringLiteral("请输入要增加的表头："), QStringLiteral("请输入要删除的表头："), QStringLiteral("请填写表头"),
                  QStringLiteral("异常错误！！"), QStringLiteral("输入有误！")}) {}

}  // namespace halvern
