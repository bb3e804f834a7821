#include "Form1Ui.h"

#include <QVBoxLayout>

namespace halvern {

void Form1Ui::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("VARNO HRMS 人事管理系统 2.3"));
    auto* layout = new QVBoxLayout(window);
    dgrid = new platform::FlexGrid(window);
    dgrid->setObjectName(QStringLiteral("dgrid"));
    list1 = new platform::FlexGrid(window);
    list1->setObjectName(QStringLiteral("list1"));
    layout->addWidget(dgrid, 2);
    layout->addWidget(list1, 1);
}

}  // namespace halvern
