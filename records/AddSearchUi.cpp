#include "AddSearchUi.h"

#include "platform/Input.h"
#include "common/Searches.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

void AddSearchUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("综合查询"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);

    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->setSpacing(8);

    auto* row = new QGridLayout();
    row->setHorizontalSpacing(8);
    row->setVerticalSpacing(8);
    Label1 = new QLabel(QStringLiteral("名称(&N)"), window);
    Combo1 = new QComboBox(window);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Label2 = new QLabel(QStringLiteral("关系(&P)"), window);
    Combo2 = new QComboBox(window);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->addItems(SearchOperatorItems());
    Combo2->setCurrentIndex(-1);
    // A field or an operator may be typed as well as picked.
    platform::MakeTypedComboBox(Combo1);
    platform::MakeTypedComboBox(Combo2);
    Label3 = new QLabel(QStringLiteral("内容(&V)"), window);
    Text1 = new QLineEdit(window);
    Text1->setObjectName(QStringLiteral("Text1"));
    Label4 = new QLabel(QStringLiteral("与上个关系"), window);
    Combo3 = new QComboBox(window);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    Label1->setBuddy(Combo1);
    Label2->setBuddy(Combo2);
    Label3->setBuddy(Text1);
    Label4->setBuddy(Combo3);
    for (QComboBox* c : {Combo1, Combo2, Combo3}) c->setMinimumWidth(130);
    Text1->setMinimumWidth(130);
    row->addWidget(Label1, 0, 0);
    row->addWidget(Combo1, 0, 1);
    row->addWidget(Label2, 0, 2);
    row->addWidget(Combo2, 0, 3);
    row->addWidget(Label3, 1, 0);
    row->addWidget(Text1, 1, 1);
    row->addWidget(Label4, 1, 2);
    row->addWidget(Combo3, 1, 3);
    outer->addLayout(row);

    Label5 = new QLabel(QStringLiteral("条件项"), window);
    outer->addWidget(Label5);
    auto* body = new QHBoxLayout();
    body->setSpacing(8);
    list1 = new QListWidget(window);
    list1->setObjectName(QStringLiteral("list1"));
    list1->setMinimumSize(360, 220);
    Label5->setBuddy(list1);
    body->addWidget(list1, 1);
    auto* buttons = new QVBoxLayout();
    buttons->setSpacing(8);
    Command1 = new QPushButton(QStringLiteral("添加(&A)"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("删除(&D)"), window);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3 = new QPushButton(QStringLiteral("确定(&T)"), window);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command4 = new QPushButton(QStringLiteral("取消(&Q)"), window);
    Command4->setObjectName(QStringLiteral("Command4"));
    for (QPushButton* b : {Command1, Command2, Command3, Command4}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    body->addLayout(buttons);
    outer->addLayout(body, 1);
    window->resize(window->sizeHint());
}

}  // namespace halvern
