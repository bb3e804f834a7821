#include "formqhbUi.h"

namespace halvern {

void formqhbUi::setupUi(QWidget* window) { build(window, QStringLiteral("行政区划"), 360); }

}  // namespace halvern
