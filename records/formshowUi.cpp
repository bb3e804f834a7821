#include "formshowUi.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

namespace {

QLabel* valueLabel(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(150);
    l->setMinimumHeight(22);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    l->setPalette(p);
    return l;
}

QPlainTextEdit* historyBox(QWidget* parent, const QString& name) {
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(name);
    t->setReadOnly(true);
    t->setMinimumSize(210, 90);
    return t;
}

}  // namespace

void RecordViewUi::build(QWidget* window, const QString& caption, const QString& frameCaption,
                         const QList<Field>& fields) {
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(10, 10, 10, 10);

    Frame1 = new QGroupBox(frameCaption, window);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* inside = new QHBoxLayout(Frame1);
    inside->setSpacing(14);

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < fields.size(); ++i) {
        const int row = i / 2;
        const int col = (i % 2) * 2;
        auto* cap = new QLabel(fields[i].caption, Frame1);
        cap->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        captions << cap;
        QLabel* value = valueLabel(Frame1, fields[i].name);
        *fields[i].value = value;
        values.append({fields[i].column, value});
        grid->addWidget(cap, row, col);
        grid->addWidget(value, row, col + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch((fields.size() + 1) / 2, 1);
    inside->addLayout(grid, 3);

    auto* right = new QVBoxLayout();
    Frame2 = new QGroupBox(QStringLiteral("员工照片"), Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* photo = new QHBoxLayout(Frame2);
    Image1 = new QLabel(Frame2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(120, 150);
    // The photograph keeps its proportions, centred in its box.
    Image1->setAlignment(Qt::AlignCenter);
    photo->addStretch();
    photo->addWidget(Image1);
    photo->addStretch();
    right->addWidget(Frame2);

    Frame3 = new QGroupBox(QStringLiteral("主要履历："), Frame1);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* hist = new QGridLayout(Frame3);
    Text27 = historyBox(Frame3, QStringLiteral("Text27"));
    Text28 = historyBox(Frame3, QStringLiteral("Text28"));
    Text29 = historyBox(Frame3, QStringLiteral("Text29"));
    Text30 = historyBox(Frame3, QStringLiteral("Text30"));
    const QList<std::pair<QString, QPlainTextEdit*>> boxes{{QStringLiteral("教育背景："), Text27},
                                                            {QStringLiteral("工作经历："), Text28},
                                                            {QStringLiteral("奖罚记录："), Text29},
                                                            {QStringLiteral("在公司经历："), Text30}};
    for (int i = 0; i < boxes.size(); ++i) {
        const int row = (i / 2) * 2;
        const int col = i % 2;
        hist->addWidget(new QLabel(boxes[i].first, Frame3), row, col);
        hist->addWidget(boxes[i].second, row + 1, col);
    }
    right->addWidget(Frame3, 1);
    inside->addLayout(right, 2);
    outer->addWidget(Frame1, 1);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    Command1 = new QPushButton(QStringLiteral("查看详细履历"), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setMinimumWidth(110);
    buttons->addWidget(Command1);
    outer->addLayout(buttons);
}

#define FIELD(caption, label, column) \
    Field { QStringLiteral(caption), QStringLiteral(#label), &label, QStringLiteral(column) }

QList<RecordViewUi::Field> RecordViewUi::employeeFields(const QString& birthplaceCaption, const Field& speciality) {
    return {FIELD("员工编号：", Label5, "员工编号"),     FIELD("姓  名：", Label15, "姓名"),
            FIELD("部  门：", Label20, "部门"),           FIELD("职  务：", Label21, "职位"),
            FIELD("性  别：", Label19, "性别"),           FIELD("出生日期：", Label30, "出生日期"),
            FIELD("民  族：", Label28, "民族"),           FIELD("学  历：", Label29, "学历"),
            FIELD("体  重：", Label35, "体重"),           FIELD("上岗证 ：", Label31, "上岗证"),
            FIELD("暂住证：", Label32, "暂住证"),         FIELD("婚育证：", Label33, "婚育证"),
            FIELD("录用日期：", Label34, "录用日期"),     FIELD("身份证号：", Label36, "身份证号"),
            FIELD("合同编号：", Label37, "合同编号"),     FIELD("合同生效日：", Label25, "合同生效日"),
            FIELD("身  高：", Label27, "身高"),           FIELD("合同终止日：", Label26, "合同到期日"),
            Field{birthplaceCaption, QStringLiteral("Label44"), &Label44, QStringLiteral("籍贯")},
            FIELD("毕业院校：", Label50, "毕业院校"),
            FIELD("住  址：", Label64, "住址"),           speciality,
            FIELD("婚  否：", Label46, "婚否"),           FIELD("专  业：", Label52, "专业"),
            FIELD("政治面貌：", Label42, "政治面貌"),     FIELD("外语情况：", Label48, "外语情况"),
            FIELD("联系电话：", Label54, "联系电话"),     FIELD("备  注：", Label24, "备注")};
}

#undef FIELD

void formshowUi::setupUi(QWidget* window) {
    build(window, QStringLiteral("员工详细资料"), QStringLiteral("员工具体情况"),
          employeeFields(QStringLiteral("籍贯："),
                         {QStringLiteral("特  长："), QStringLiteral("Label22"), &Label22, QStringLiteral("特长")}));
}

}  // namespace halvern
