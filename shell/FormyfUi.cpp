#include "FormyfUi.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

void FormyfUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("账户管理"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(24, 20, 24, 16);
    outer->setSpacing(14);
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    const QString captions[4] = {QStringLiteral("请输入你的密码："), QStringLiteral("请输入的新用户名："),
                                 QStringLiteral("输入新的密码："), QStringLiteral("重新输入一次密码：")};
    for (int i = 0; i < 4; ++i) {
        Label1[i] = new QLabel(captions[i], window);
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Text1[i] = new QLineEdit(window);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setMinimumWidth(160);
        if (i != 1) {
            Text1[i]->setEchoMode(QLineEdit::Password);
            Text1[i]->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
        }
        Label1[i]->setBuddy(Text1[i]);
        grid->addWidget(Label1[i], i, 0);
        grid->addWidget(Text1[i], i, 1);
    }
    outer->addLayout(grid);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    Command1 = new QPushButton(QStringLiteral("确定"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    buttons->addWidget(Command1);
    buttons->addStretch();
    outer->addLayout(buttons);
    QWidget::setTabOrder(Text1[0], Text1[1]);
    QWidget::setTabOrder(Text1[1], Text1[2]);
    QWidget::setTabOrder(Text1[2], Text1[3]);
    QWidget::setTabOrder(Text1[3], Command1);
    window->setFixedSize(window->sizeHint());
}

}  // namespace halvern
