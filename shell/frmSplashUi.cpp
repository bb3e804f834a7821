#include "frmSplashUi.h"

#include <QVBoxLayout>

namespace halvern {

void frmSplashUi::setupUi(QWidget* window) {
    window->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    window->setFixedSize(480, 300);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    Image1 = new QLabel(window);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setScaledContents(true);
    layout->addWidget(Image1);
    Timer1 = new QTimer(window);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
}

}  // namespace halvern
