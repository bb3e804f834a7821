#include "FormlrUi.h"

#include "platform/Input.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

namespace {

constexpr int kPhotoWidth = 120;
constexpr int kPhotoHeight = 150;

QLineEdit* textBox(QWidget* parent, const char* name, int maxLength = 0) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0) box->setMaxLength(maxLength);
    return box;
}

// An editable drop-down: the user may type what the list lacks, and Enter
// never adds the typed text to the list.
QComboBox* comboBox(QWidget* parent, const char* name, const QStringList& items, const QString& initial) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    platform::MakeTypedComboBox(box);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(initial);
    return box;
}

QLabel* caption(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

void FormlrUi::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("新员工录入"));
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(10, 8, 10, 10);
    outer->setSpacing(8);

    Frame1 = new QGroupBox(QStringLiteral("请录入员工信息："), window);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    QWidget* f = Frame1;

    Text1 = textBox(f, "Text1");
    Combo1 = comboBox(f, "Combo1", {QStringLiteral("男"), QStringLiteral("女")}, QStringLiteral("男"));
    Text2 = textBox(f, "Text2");
    Text8 = comboBox(f, "Text8",
                     {QStringLiteral("小学"), QStringLiteral("初中"), QStringLiteral("高中"), QStringLiteral("职高"),
                      QStringLiteral("中专"), QStringLiteral("大专"), QStringLiteral("本科"), QStringLiteral("硕士"),
                      QStringLiteral("博士"), QStringLiteral("文盲")},
                     QString());
    text3 = comboBox(f, "text3", {}, QString());
    Combo2 = comboBox(f, "Combo2", {}, QStringLiteral("汉族"));
    Text4 = textBox(f, "Text4");
    Text9 = textBox(f, "Text9");
    text17 = comboBox(f, "text17", {QStringLiteral("已婚"), QStringLiteral("未婚"), QStringLiteral("其他")},
                      QStringLiteral("已婚"));
    Text10 = textBox(f, "Text10");
    Text11 = textBox(f, "Text11");
    Text7 = textBox(f, "Text7");
    Text12 = textBox(f, "Text12");
    Text5 = textBox(f, "Text5");
    Text15 = textBox(f, "Text15", 18);
    Text16 = textBox(f, "Text16");
    Text6 = textBox(f, "Text6", 10);
    Text13 = comboBox(f, "Text13", {QStringLiteral("团员"), QStringLiteral("党员"), QStringLiteral("群众"), QStringLiteral("其他")},
                      QStringLiteral("团员"));
    Text19 = comboBox(f, "Text19",
                      {QStringLiteral("英语四级"), QStringLiteral("英语三级"), QStringLiteral("其他外语"),
                       QStringLiteral("四级以上"), QStringLiteral("其他")},
                      QStringLiteral("英语四级"));
    Text20 = textBox(f, "Text20");
    Text21 = textBox(f, "Text21");
    Text14 = textBox(f, "Text14", 10);
    Text23 = textBox(f, "Text23");
    Text24 = textBox(f, "Text24", 10);
    Text25 = textBox(f, "Text25", 10);
    Text22 = textBox(f, "Text22");
    Text26 = textBox(f, "Text26");
    Text18 = textBox(f, "Text18");
    // Digits only: an input method would bypass the key rules of these boxes.
    for (QLineEdit* box : {Text6, Text14, Text24, Text25, Text15}) box->setAttribute(Qt::WA_InputMethodEnabled, false);

    // Columns: caption, box, caption, box, caption or unit, box, photograph.
    grid->addWidget(caption(f, QStringLiteral("员工编号：")), 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(caption(f, QStringLiteral("性  别：")), 0, 2);
    grid->addWidget(Combo1, 0, 3);
    grid->addWidget(caption(f, QStringLiteral("姓  名：")), 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(caption(f, QStringLiteral("学  历：")), 1, 2);
    grid->addWidget(Text8, 1, 3);
    grid->addWidget(caption(f, QStringLiteral("部  门：")), 2, 0);
    grid->addWidget(text3, 2, 1);
    grid->addWidget(caption(f, QStringLiteral("民  族：")), 2, 2);
    grid->addWidget(Combo2, 2, 3);
    grid->addWidget(caption(f, QStringLiteral("职  务：")), 3, 0);
    grid->addWidget(Text4, 3, 1);
    grid->addWidget(caption(f, QStringLiteral("身  高：")), 3, 2);
    grid->addWidget(Text9, 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("cm"), f), 3, 4);
    grid->addWidget(caption(f, QStringLiteral("婚  否：")), 4, 0);
    grid->addWidget(text17, 4, 1);
    grid->addWidget(caption(f, QStringLiteral("体  重：")), 4, 2);
    grid->addWidget(Text10, 4, 3);
    grid->addWidget(new QLabel(QStringLiteral("kg"), f), 4, 4);
    grid->addWidget(caption(f, QStringLiteral("暂住证：")), 5, 0);
    grid->addWidget(Text11, 5, 1);
    grid->addWidget(caption(f, QStringLiteral("特  长：")), 5, 2);
    grid->addWidget(Text7, 5, 3);
    grid->addWidget(caption(f, QStringLiteral("婚育证：")), 6, 0);
    grid->addWidget(Text12, 6, 1);
    grid->addWidget(caption(f, QStringLiteral("上岗证 ：")), 6, 2);
    grid->addWidget(Text5, 6, 3);
    grid->addWidget(caption(f, QStringLiteral("身份证号：")), 7, 0);
    grid->addWidget(Text15, 7, 1);
    grid->addWidget(caption(f, QStringLiteral("籍贯：")), 7, 2);
    grid->addWidget(Text16, 7, 3, 1, 4);
    grid->addWidget(caption(f, QStringLiteral("出生日期：")), 8, 0);
    grid->addWidget(Text6, 8, 1);
    grid->addWidget(caption(f, QStringLiteral("政治面貌：")), 8, 2);
    grid->addWidget(Text13, 8, 3);
    grid->addWidget(caption(f, QStringLiteral("外语情况：")), 8, 4);
    grid->addWidget(Text19, 8, 5, 1, 2);
    grid->addWidget(caption(f, QStringLiteral("毕业院校：")), 9, 0);
    grid->addWidget(Text20, 9, 1, 1, 3);
    grid->addWidget(caption(f, QStringLiteral("专  业：")), 9, 4);
    grid->addWidget(Text21, 9, 5, 1, 2);
    grid->addWidget(caption(f, QStringLiteral("录用日期：")), 10, 0);
    grid->addWidget(Text14, 10, 1);
    grid->addWidget(caption(f, QStringLiteral("合同编号：")), 11, 0);
    grid->addWidget(Text23, 11, 1);
    grid->addWidget(caption(f, QStringLiteral("合同生效日：")), 12, 0);
    grid->addWidget(Text24, 12, 1);
    grid->addWidget(caption(f, QStringLiteral("合同终止日：")), 13, 0);
    grid->addWidget(Text25, 13, 1);
    grid->addWidget(caption(f, QStringLiteral("联系电话：")), 14, 0);
    grid->addWidget(Text22, 14, 1);
    grid->addWidget(caption(f, QStringLiteral("住  址：")), 15, 0);
    grid->addWidget(Text26, 15, 1, 1, 6);
    grid->addWidget(caption(f, QStringLiteral("备  注：")), 16, 0);
    grid->addWidget(Text18, 16, 1, 1, 6);

    // The career history beside the five rows from 录用日期 to 联系电话.
    Frame3 = new QGroupBox(QStringLiteral("主要履历："), f);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* history = new QGridLayout(Frame3);
    history->setVerticalSpacing(4);
    Text27 = textBox(Frame3, "Text27");
    Text28 = textBox(Frame3, "Text28");
    Text29 = textBox(Frame3, "Text29");
    Text30 = textBox(Frame3, "Text30");
    history->addWidget(caption(Frame3, QStringLiteral("教育背景：")), 0, 0);
    history->addWidget(Text27, 0, 1);
    history->addWidget(caption(Frame3, QStringLiteral("工作经历：")), 1, 0);
    history->addWidget(Text28, 1, 1);
    history->addWidget(caption(Frame3, QStringLiteral("奖罚记录：")), 2, 0);
    history->addWidget(Text29, 2, 1);
    history->addWidget(caption(Frame3, QStringLiteral("在公司经历：")), 3, 0);
    history->addWidget(Text30, 3, 1);
    grid->addWidget(Frame3, 10, 2, 5, 5);

    // The photograph at the top right, with the hint over the empty box.
    Frame2 = new QGroupBox(QStringLiteral("员工照片"), f);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* photoLayout = new QGridLayout(Frame2);
    Image1 = new QLabel(Frame2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(kPhotoWidth, kPhotoHeight);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::Box);
    Image1->setCursor(Qt::PointingHandCursor);
    Label5 = new QLabel(QStringLiteral("点击此处添加图片"), Frame2);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setWordWrap(true);
    Label5->setCursor(Qt::PointingHandCursor);
    photoLayout->addWidget(Image1, 0, 0, Qt::AlignCenter);
    photoLayout->addWidget(Label5, 0, 0, Qt::AlignCenter);
    Label5->setFixedWidth(kPhotoWidth - 16);
    grid->addWidget(Frame2, 0, 5, 7, 2, Qt::AlignTop | Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    outer->addWidget(Frame1);

    auto* buttons = new QHBoxLayout();
    Command1 = new QPushButton(QStringLiteral("确  定"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("退  出"), window);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3 = new QPushButton(QStringLiteral("详细覆历录入"), window);
    Command3->setObjectName(QStringLiteral("Command3"));
    for (QPushButton* b : {Command1, Command2, Command3}) {
        b->setAutoDefault(true);  // Enter on a focused button presses it
        b->setMinimumWidth(96);
    }
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch();
    buttons->addWidget(Command3);
    outer->addLayout(buttons);

    window->resize(window->sizeHint().expandedTo(QSize(760, 0)));
}

QList<QWidget*> FormlrUi::EntryTabOrder() const {
    return {Text1,  Combo1, Text2,  text3,  Combo2, Text4,    Text9,    text17,   Text10, Text11, Text7,  Text12,
            Text5,  Text15, Text16, Text6,  Text13, Text19,   Text20,   Text21,   Text14, Text23, Text24, Text25,
            Text22, Text26, Text18, Text27, Text28, Text29,   Text30,   Command1, Command2, Command3, Text8};
}

QList<QWidget*> FormlrUi::ModifyTabOrder() const {
    return {Text1,  Combo1, Text2,  text3,    Combo2,   Text4,  Text9,  text17, Text10, Text11, Text7,    Text12,
            Text5,  Text15, Text16, Text6,    Text13,   Text19, Text20, Text21, Text14, Text23, Text24,   Text25,
            Text22, Text26, Text18, Command1, Command2, Text30, Text29, Text28, Text27, Command3, Text8};
}

QList<ColumnBox> FormlrUi::EmployeeBoxes() const {
    return {{QStringLiteral("部门"), text3, false},      {QStringLiteral("职位"), Text4, false},
            {QStringLiteral("出生日期"), Text6, true},   {QStringLiteral("民族"), Combo2, false},
            {QStringLiteral("学历"), Text8, false},      {QStringLiteral("身高"), Text9, false},
            {QStringLiteral("体重"), Text10, false},     {QStringLiteral("上岗证"), Text5, false},
            {QStringLiteral("暂住证"), Text11, false},   {QStringLiteral("婚育证"), Text12, false},
            {QStringLiteral("录用日期"), Text14, true},  {QStringLiteral("身份证号"), Text15, false},
            {QStringLiteral("合同编号"), Text23, false}, {QStringLiteral("合同生效日"), Text24, true},
            {QStringLiteral("合同到期日"), Text25, true}, {QStringLiteral("住址"), Text26, false},
            {QStringLiteral("政治面貌"), Text13, false}, {QStringLiteral("特长"), Text7, false},
            {QStringLiteral("籍贯"), Text16, false},     {QStringLiteral("外语情况"), Text19, false},
            {QStringLiteral("婚否"), text17, false},     {QStringLiteral("联系电话"), Text22, false},
            {QStringLiteral("毕业院校"), Text20, false}, {QStringLiteral("专业"), Text21, false},
            {QStringLiteral("备注"), Text18, false}};
}

QString BoxText(const QWidget* box) {
    if (auto* combo = qobject_cast<const QComboBox*>(box)) return combo->currentText();
    return static_cast<const QLineEdit*>(box)->text();
}

void SetBoxText(QWidget* box, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(box))
        combo->setEditText(text);
    else
        static_cast<QLineEdit*>(box)->setText(text);
}

void FormlrUi::SetPhoto(const QPixmap& picture) {
    photo_ = picture;
    if (picture.isNull()) {
        Image1->clear();
        return;
    }
    Image1->setPixmap(picture.scaled(Image1->size() - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace halvern
