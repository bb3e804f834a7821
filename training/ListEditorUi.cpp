#include "ListEditorUi.h"

#include "platform/Input.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

void ListEditorUi::setupUi(QWidget* window) {
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* outer = new QHBoxLayout(window);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->setSpacing(12);

    Label1 = new QLabel(window);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    MSHFlexGrid1 = new platform::FlexGrid(window);
    MSHFlexGrid1->setObjectName(QStringLiteral("MSHFlexGrid1"));
    MSHFlexGrid1->setMinimumSize(240, 300);
    outer->addWidget(Label1, 0, Qt::AlignTop);
    outer->addWidget(MSHFlexGrid1, 1);

    auto* right = new QVBoxLayout();
    right->setSpacing(6);
    Label2 = new QLabel(window);
    Label2->setObjectName(QStringLiteral("Label2"));
    Text1 = new QLineEdit(window);
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1 = new QPushButton(QStringLiteral("确   定"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Label3 = new QLabel(window);
    Label3->setObjectName(QStringLiteral("Label3"));
    Text2 = new QComboBox(window);
    Text2->setObjectName(QStringLiteral("Text2"));
    platform::MakeTypedComboBox(Text2);
    Command2 = new QPushButton(QStringLiteral("确   定"), window);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QWidget* w : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2)}) w->setMinimumWidth(200);

    right->addWidget(Label2);
    right->addWidget(Text1);
    right->addWidget(Command1, 0, Qt::AlignRight);
    right->addSpacing(24);
    right->addWidget(Label3);
    right->addWidget(Text2);
    right->addWidget(Command2, 0, Qt::AlignRight);
    right->addStretch();
    outer->addLayout(right);
    window->resize(560, 340);
}

}  // namespace halvern
