#include "frmPrintUi.h"

#include "platform/Pictures.h"

namespace halvern {

void frmPrintUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("打印预览"));
    window->setObjectName(QStringLiteral("frmPrint"));
    // Client area 5835 × 4755 twips; the control is placed by the resize handler.
    window->resize(platform::TwipsToPixels(5835), platform::TwipsToPixels(4755));
    pv = new platform::PrintPreview(window);
    pv->setObjectName(QStringLiteral("pv"));
}

}  // namespace halvern
