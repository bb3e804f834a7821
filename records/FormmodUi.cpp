#include "FormmodUi.h"

namespace halvern {

void FormmodUi::setupUi(QWidget* window) {
    FormlrUi::setupUi(window);
    window->setWindowTitle(QStringLiteral("员工资料修改"));
    Command3->setText(QStringLiteral("详细覆历修改"));
    text17->clear();
    text17->addItems({QStringLiteral("未婚"), QStringLiteral("已婚"), QStringLiteral("其他")});
    text17->setCurrentIndex(-1);
    text17->setEditText(QStringLiteral("已婚"));
    Text24->setMaxLength(32767);
    Text25->setMaxLength(32767);
}

}  // namespace halvern
