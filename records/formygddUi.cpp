#include "formygddUi.h"

#include "platform/Dates.h"
#include "platform/Input.h"

#include <QGridLayout>

namespace halvern {

void formygddUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("员工内部调动"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* grid = new QGridLayout(window);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(12);

    Label1 = new QLabel(QStringLiteral("请输入员工编号："), window);
    Text1 = new QLineEdit(window);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(130);
    Label2 = new QLabel(QStringLiteral("调往部门："), window);
    Text2 = new QComboBox(window);
    Text2->setObjectName(QStringLiteral("Text2"));
    platform::MakeTypedComboBox(Text2);
    Text2->setMinimumWidth(140);
    Label3 = new QLabel(QStringLiteral("调动日期："), window);
    text3 = new platform::DatePicker(window);
    text3->setObjectName(QStringLiteral("text3"));
    // The format is set before any value so that a value keeps its time of day.
    text3->setDisplayFormat(platform::kShortDateFormat);
    text3->setCalendarPopup(true);
    Command1 = new QPushButton(QStringLiteral("确   认"), window);
    Command1->setObjectName(QStringLiteral("Command1"));

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(Text2, 0, 3);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(text3, 1, 1);
    grid->addWidget(Command1, 2, 3, Qt::AlignRight);
    grid->setColumnMinimumWidth(2, 20);
    window->setFixedSize(window->sizeHint());
}

}  // namespace halvern
