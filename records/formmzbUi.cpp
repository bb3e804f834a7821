#include "formmzbUi.h"

#include <QVBoxLayout>

namespace halvern {

void LookupViewerUi::build(QWidget* window, const QString& title, int width) {
    window->setWindowTitle(title);
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(6, 6, 6, 6);
    MSHFlexGrid1 = new platform::FlexGrid(window);
    MSHFlexGrid1->setObjectName(QStringLiteral("MSHFlexGrid1"));
    layout->addWidget(MSHFlexGrid1);
    window->resize(width, 460);
}

void formmzbUi::setupUi(QWidget* window) { build(window, QStringLiteral("民族信息"), 260); }

}  // namespace halvern
