#include "BackupFolderUi.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

void BackupFolderUi::setupUi(QWidget* window, const QString& caption) {
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(16, 14, 16, 14);
    outer->setSpacing(10);
    auto* top = new QHBoxLayout();
    Label1 = new QLabel(QStringLiteral("请选择："), window);
    Drive1 = new platform::DriveListBox(window);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Label1->setBuddy(Drive1);
    top->addWidget(Label1);
    top->addWidget(Drive1, 1);
    outer->addLayout(top);
    Dir1 = new platform::DirListBox(window);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setMinimumSize(300, 260);
    outer->addWidget(Dir1, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    Command1 = new QPushButton(QStringLiteral("确定"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    buttons->addWidget(Command1);
    buttons->addStretch();
    outer->addLayout(buttons);
    window->resize(window->sizeHint());
}

}  // namespace halvern
