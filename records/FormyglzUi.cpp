#include "FormyglzUi.h"

#include "platform/Dates.h"

#include <QGridLayout>

namespace halvern {

void FormyglzUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("员工离职"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* grid = new QGridLayout(window);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(12);

    Label2 = new QLabel(QStringLiteral("请输入员工编号："), window);
    Text1 = new QLineEdit(window);
    Text1->setObjectName(QStringLiteral("Text1"));
    Label3 = new QLabel(QStringLiteral("离职日期："), window);
    text3 = new platform::DatePicker(window);
    text3->setObjectName(QStringLiteral("text3"));
    // The format is set before any value so that a value keeps its time of day.
    text3->setDisplayFormat(platform::kShortDateFormat);
    text3->setCalendarPopup(true);
    Label1 = new QLabel(QStringLiteral("请输入离职原因："), window);
    Text2 = new QLineEdit(window);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMinimumWidth(380);
    Command1 = new QPushButton(QStringLiteral("离  职"), window);
    Command1->setObjectName(QStringLiteral("Command1"));

    grid->addWidget(Label2, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(text3, 1, 1);
    grid->addWidget(Label1, 2, 0);
    grid->addWidget(Text2, 2, 1, 1, 3);
    grid->addWidget(Command1, 3, 3, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    Text1->setFixedWidth(150);
    text3->setFixedWidth(150);
    window->setFixedSize(window->sizeHint());
}

}  // namespace halvern
