#include "FormshowpxUi.h"

#include <QVBoxLayout>

namespace halvern {

void FormshowpxUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("员工培训详细资料"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    setupBoxes(window, QStringLiteral("员工信息："));
    for (QLineEdit* b : {Text1, Text2, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12})
        b->setReadOnly(true);
    text3->lineEdit()->setReadOnly(true);
    text3->setContextMenuPolicy(Qt::NoContextMenu);

    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(14, 14, 14, 14);
    outer->addWidget(Frame1);
    window->resize(620, 320);
}

}  // namespace halvern
