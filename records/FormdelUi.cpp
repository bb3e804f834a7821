#include "FormdelUi.h"

#include <QHBoxLayout>

namespace halvern {

void FormdelUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("离职人员删除"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* row = new QHBoxLayout(window);
    row->setContentsMargins(16, 16, 16, 16);
    row->setSpacing(8);
    Label1 = new QLabel(QStringLiteral("输入离职员工编号："), window);
    Text1 = new QLineEdit(window);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(150);
    Command1 = new QPushButton(QStringLiteral("删除"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    row->addWidget(Label1);
    row->addWidget(Text1);
    row->addSpacing(8);
    row->addWidget(Command1);
    window->setFixedSize(window->sizeHint());
}

}  // namespace halvern
