#include "frmllrcUi.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

namespace {

QTextEdit* historyBox(QWidget* parent, const char* name) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAcceptRichText(false);  // only plain text travels to and from the opener
    box->setMinimumSize(300, 190);
    return box;
}

}  // namespace

void frmllrcUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("详细覆历"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(10, 8, 10, 10);

    Frame1 = new QGroupBox(QStringLiteral("详细覆历："), window);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    Label1 = new QLabel(QStringLiteral("受教育背景："), Frame1);
    Label2 = new QLabel(QStringLiteral("工作经历："), Frame1);
    Label3 = new QLabel(QStringLiteral("奖罚记录："), Frame1);
    Label4 = new QLabel(QStringLiteral("在本公司经历："), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4->setObjectName(QStringLiteral("Label4"));
    RichTextBox1 = historyBox(Frame1, "RichTextBox1");
    RichTextBox2 = historyBox(Frame1, "RichTextBox2");
    RichTextBox3 = historyBox(Frame1, "RichTextBox3");
    RichTextBox4 = historyBox(Frame1, "RichTextBox4");
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(RichTextBox1, 1, 0);
    grid->addWidget(RichTextBox2, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(Label4, 2, 1);
    grid->addWidget(RichTextBox3, 3, 0);
    grid->addWidget(RichTextBox4, 3, 1);
    outer->addWidget(Frame1);

    auto* buttons = new QHBoxLayout();
    Command1 = new QPushButton(QStringLiteral("确  定"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(96);
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addStretch();
    outer->addLayout(buttons);
    window->resize(window->sizeHint());
}

}  // namespace halvern
