#include "Formshow1Ui.h"

namespace halvern {

void Formshow1Ui::setupUi(QWidget* window) {
    QList<Field> fields = employeeFields(QStringLiteral("籍  贯："), {QStringLiteral("特  长："), QStringLiteral("Label23"),
                                                                     &Label23, QStringLiteral("特长")});
    fields << Field{QStringLiteral("离职原因："), QStringLiteral("Label58"), &Label58, QStringLiteral("离职原因")}
           << Field{QStringLiteral("离职时间："), QStringLiteral("Label60"), &Label60, QStringLiteral("离职时间")};
    build(window, QStringLiteral("离职员工详细资料"), QStringLiteral("离职人员信息"), fields);
}

}  // namespace halvern
