#include "frmdaxgUi.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

void frmdaxgUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("培训档案修改"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    setupBoxes(window, QStringLiteral("员工信息："));
    Command1 = new QPushButton(QStringLiteral("确  定"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(100);
    QWidget::setTabOrder(Text12, Command1);

    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(14, 14, 14, 14);
    outer->setSpacing(12);
    outer->addWidget(Frame1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addStretch();
    outer->addLayout(buttons);
    window->resize(620, 360);
}

}  // namespace halvern
