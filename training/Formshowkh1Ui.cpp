#include "Formshowkh1Ui.h"

namespace halvern {

void Formshowkh1Ui::setupUi(FormshowkhUi& ui, QWidget* window) {
    ui.build(window, {QSize(10335, 8160), QRect(240, 240, 9855, 6975), QRect(6000, 480, 2175, 255),
                      QRect(6360, 720, 1575, 255), QRect(8040, 600, 1335, 270), QRect(600, 6720, 1575, 375),
                      QRect(2520, 6720, 1455, 375)});
}

}  // namespace halvern
