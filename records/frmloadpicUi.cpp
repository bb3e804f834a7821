#include "frmloadpicUi.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace halvern {

void frmloadpicUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("选择照片"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(10, 8, 10, 10);

    Frame1 = new QGroupBox(QStringLiteral("图片选择"), window);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(10);

    Drive1 = new platform::DriveListBox(Frame1);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setMinimumWidth(180);
    Image1 = new QLabel(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(180, 210);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::Box);
    Command1 = new QPushButton(QStringLiteral("确定"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(true);

    Dir1 = new platform::DirListBox(Frame1);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setMinimumSize(260, 150);
    File1 = new QListWidget(Frame1);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setMinimumSize(260, 150);

    grid->addWidget(Drive1, 0, 0);
    grid->addWidget(Image1, 1, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(Command1, 3, 0, Qt::AlignBottom);
    grid->addWidget(Dir1, 0, 1, 2, 1);
    grid->addWidget(File1, 2, 1, 2, 1);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(3, 1);
    outer->addWidget(Frame1);
    window->resize(520, 480);
}

}  // namespace halvern
