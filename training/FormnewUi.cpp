#include "FormnewUi.h"

#include "platform/Input.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

namespace {

QPushButton* okButton(QWidget* parent, const char* name) {
    auto* b = new QPushButton(QStringLiteral("确   定"), parent);
    b->setObjectName(QLatin1String(name));
    b->setFixedWidth(90);
    return b;
}

QComboBox* nameCombo(QWidget* parent, const char* name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    platform::MakeTypedComboBox(c);
    return c;
}

// One half: grid with its title at the left, add and delete boxes at the right.
QLayout* half(QLabel* title, platform::FlexGrid* grid, QLabel* addTitle, QWidget* add, QPushButton* addButton,
              QLabel* deleteTitle, QWidget* del, QPushButton* deleteButton) {
    auto* row = new QHBoxLayout();
    row->setSpacing(18);
    auto* left = new QVBoxLayout();
    left->addWidget(title);
    left->addWidget(grid, 1);
    row->addLayout(left, 1);
    auto* right = new QGridLayout();
    right->setVerticalSpacing(8);
    right->addWidget(addTitle, 0, 0, 1, 2);
    right->addWidget(add, 1, 0);
    right->addWidget(addButton, 1, 1);
    right->setRowMinimumHeight(2, 16);
    right->addWidget(deleteTitle, 3, 0, 1, 2);
    right->addWidget(del, 4, 0);
    right->addWidget(deleteButton, 4, 1);
    right->setRowStretch(5, 1);
    right->setColumnMinimumWidth(0, 190);
    row->addLayout(right);
    return row;
}

}  // namespace

void FormnewUi::setupUi(QWidget* window, const QString& caption) {
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    Label1 = new QLabel(QStringLiteral("原有栏目："), window);
    MSHFlexGrid1 = new platform::FlexGrid(window);
    MSHFlexGrid1->setObjectName(QStringLiteral("MSHFlexGrid1"));
    Label2 = new QLabel(QStringLiteral("请输入要增加的栏目："), window);
    Text1 = new QLineEdit(window);
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1 = okButton(window, "Command1");
    Label3 = new QLabel(QStringLiteral("请输入要删除的栏目："), window);
    Text2 = nameCombo(window, "Text2");
    Command2 = okButton(window, "Command2");

    Label4 = new QLabel(QStringLiteral("二级栏目："), window);
    MSHFlexGrid2 = new platform::FlexGrid(window);
    MSHFlexGrid2->setObjectName(QStringLiteral("MSHFlexGrid2"));
    Label5 = new QLabel(QStringLiteral("请输入要增加的栏目："), window);
    text3 = new QLineEdit(window);
    text3->setObjectName(QStringLiteral("text3"));
    Command3 = okButton(window, "Command3");
    Label6 = new QLabel(QStringLiteral("请输入要删除的栏目："), window);
    Text4 = nameCombo(window, "Text4");
    Command4 = okButton(window, "Command4");

    auto* line = new QFrame(window);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(16, 14, 16, 16);
    outer->setSpacing(12);
    outer->addLayout(half(Label1, MSHFlexGrid1, Label2, Text1, Command1, Label3, Text2, Command2), 1);
    outer->addWidget(line);
    outer->addLayout(half(Label4, MSHFlexGrid2, Label5, text3, Command3, Label6, Text4, Command4), 1);

    QWidget::setTabOrder(Text1, Command1);
    QWidget::setTabOrder(Command1, Text2);
    QWidget::setTabOrder(Text2, Command2);
    QWidget::setTabOrder(Command2, text3);
    QWidget::setTabOrder(text3, Command3);
    QWidget::setTabOrder(Command3, Text4);
    QWidget::setTabOrder(Text4, Command4);
    window->resize(600, 520);
}

}  // namespace halvern
