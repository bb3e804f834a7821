#include "frmdadjUi.h"

#include "platform/Input.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

namespace {

QLineEdit* box(QWidget* parent, const char* name) {
    auto* b = new QLineEdit(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel* label(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setBuddy(buddy);
    return l;
}

}  // namespace

void TrainingBoxes::setupBoxes(QWidget* parent, const QString& caption) {
    Frame1 = new QGroupBox(caption, parent);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Text1 = box(Frame1, "Text1");
    Text2 = box(Frame1, "Text2");
    text3 = new QComboBox(Frame1);
    text3->setObjectName(QStringLiteral("text3"));
    platform::MakeTypedComboBox(text3);
    Text4 = box(Frame1, "Text4");
    Text5 = box(Frame1, "Text5");
    Text6 = box(Frame1, "Text6");
    Text7 = box(Frame1, "Text7");
    Text8 = box(Frame1, "Text8");
    Text9 = box(Frame1, "Text9");
    Text10 = box(Frame1, "Text10");
    Text11 = box(Frame1, "Text11");
    Text12 = box(Frame1, "Text12");

    Label1 = label(Frame1, QStringLiteral("员工编号："), Text1);
    Label2 = label(Frame1, QStringLiteral("姓  名："), Text2);
    Label3 = label(Frame1, QStringLiteral("部  门："), text3);
    Label4 = label(Frame1, QStringLiteral("培训时间："), Text4);
    Label5 = label(Frame1, QStringLiteral("培训项目："), Text5);
    Label6 = label(Frame1, QStringLiteral("培训方式："), Text6);
    Label7 = label(Frame1, QStringLiteral("培训费用："), Text7);
    Label8 = label(Frame1, QStringLiteral("授课师资："), Text8);
    Label9 = label(Frame1, QStringLiteral("考核方式："), Text9);
    Label10 = label(Frame1, QStringLiteral("考试成绩："), Text10);
    Label11 = label(Frame1, QStringLiteral("获证书及证书号码："), Text11);
    Label12 = label(Frame1, QStringLiteral("备  注："), Text12);

    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(12, 14, 12, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    const QList<QPair<QLabel*, QWidget*>> pairs{{Label1, Text1}, {Label2, Text2}, {Label3, text3},
                                                {Label4, Text4}, {Label5, Text5}, {Label6, Text6},
                                                {Label7, Text7}, {Label8, Text8}, {Label9, Text9},
                                                {Label10, Text10}};
    for (int i = 0; i < pairs.size(); ++i) {
        const int row = i / 2;
        const int col = (i % 2) * 2;
        grid->addWidget(pairs[i].first, row, col);
        grid->addWidget(pairs[i].second, row, col + 1);
        pairs[i].second->setMinimumWidth(150);
    }
    grid->addWidget(Label11, 5, 0);
    grid->addWidget(Text11, 5, 1, 1, 3);
    grid->addWidget(Label12, 6, 0);
    grid->addWidget(Text12, 6, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    QWidget* prev = nullptr;
    for (QWidget* w : boxesInTabOrder()) {
        if (prev) QWidget::setTabOrder(prev, w);
        prev = w;
    }
}

QList<QWidget*> TrainingBoxes::boxesInTabOrder() const {
    return {Text1, Text2, text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12};
}

void frmdadjUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("培训档案登记"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    setupBoxes(window, QStringLiteral("请录入员工信息："));

    Command1 = new QPushButton(QStringLiteral("确  定"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(100);

    Frame2 = new QGroupBox(window);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Check1 = new QCheckBox(QStringLiteral("员工编号"), Frame2);
    Check1->setObjectName(QStringLiteral("Check1"));
    Text13 = box(Frame2, "Text13");
    Check2 = new QCheckBox(QStringLiteral("员工姓名"), Frame2);
    Check2->setObjectName(QStringLiteral("Check2"));
    Text14 = box(Frame2, "Text14");
    Command2 = new QPushButton(QStringLiteral("快速查询"), Frame2);
    Command2->setObjectName(QStringLiteral("Command2"));
    list1 = new QListWidget(Frame2);
    list1->setObjectName(QStringLiteral("list1"));
    auto* search = new QVBoxLayout(Frame2);
    search->setContentsMargins(10, 10, 10, 10);
    search->addWidget(Check1);
    search->addWidget(Text13);
    search->addSpacing(6);
    search->addWidget(Check2);
    search->addWidget(Text14);
    search->addSpacing(6);
    search->addWidget(Command2);
    search->addWidget(list1, 1);
    Frame2->setFixedWidth(230);

    auto* left = new QVBoxLayout();
    left->addWidget(Frame1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addStretch();
    left->addLayout(buttons);
    left->addStretch();

    auto* outer = new QHBoxLayout(window);
    outer->setContentsMargins(14, 14, 14, 14);
    outer->setSpacing(14);
    outer->addLayout(left, 1);
    outer->addWidget(Frame2);

    window->resize(860, 380);
}

QList<QWidget*> frmdadjUi::controlsInTabOrder() const {
    return boxesInTabOrder() + QList<QWidget*>{Command1, Check1, Text13, Check2, Text14, Command2, list1};
}

}  // namespace halvern
