#include "formmzbUi.h"

#include <QVBoxLayout>

namespace halvern {

void formmzbUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("民族信息"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(6, 6, 6, 6);
    MSHFlexGrid1 = new platform::FlexGrid(window);
    MSHFlexGrid1->setObjectName(QStringLiteral("MSHFlexGrid1"));
    layout->addWidget(MSHFlexGrid1);
    window->resize(260, 460);
}

}  // namespace halvern
