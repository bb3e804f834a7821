#include "frmLoginUi.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace halvern {

namespace {

// The sign-in picture: a key drawn in the program's blue.
QPixmap keyPicture() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x2b, 0x4f, 0x81), 6));
    p.drawEllipse(QPointF(20, 22), 12, 12);
    p.drawLine(QPointF(29, 31), QPointF(54, 56));
    p.drawLine(QPointF(46, 48), QPointF(40, 54));
    p.drawLine(QPointF(52, 54), QPointF(46, 60));
    return pm;
}

}  // namespace

void frmLoginUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("登录"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* outer = new QHBoxLayout(window);
    outer->setContentsMargins(16, 16, 16, 16);
    outer->setSpacing(16);
    Image1 = new QLabel(window);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(keyPicture());
    Image1->setAlignment(Qt::AlignTop);
    outer->addWidget(Image1);

    auto* right = new QVBoxLayout();
    auto* grid = new QGridLayout();
    lblUserName = new QLabel(QStringLiteral("用户名称(&U):"), window);
    lblPassword = new QLabel(QStringLiteral("密码(&P):"), window);
    txtUserName = new QLineEdit(QStringLiteral("lorap"), window);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    txtPassword = new QLineEdit(QStringLiteral("lorap"), window);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    lblUserName->setBuddy(txtUserName);
    lblPassword->setBuddy(txtPassword);
    txtUserName->setMinimumWidth(180);
    grid->addWidget(lblUserName, 0, 0);
    grid->addWidget(txtUserName, 0, 1);
    grid->addWidget(lblPassword, 1, 0);
    grid->addWidget(txtPassword, 1, 1);
    right->addLayout(grid);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    cmdOK = new QPushButton(QStringLiteral("确定"), window);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("取消"), window);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    right->addLayout(buttons);
    outer->addLayout(right);
    window->setFixedSize(window->sizeHint());
}

}  // namespace halvern
