#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace halvern {

// What both record views share: the frame of captions and value labels, the
// photograph at the top right, the four history texts below it, the button.
struct RecordViewUi {
    struct Field {
        QString caption;
        QString name;  // object name of the value label
        QLabel** value;
        QString column;  // the column the label shows
    };

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;  // "员工照片"
    QGroupBox* Frame3 = nullptr;  // "主要履历："
    QLabel* Image1 = nullptr;
    QList<QLabel*> captions;  // caption labels, in the order of the fields
    // Each value label with the column it shows, in the order of the fields.
    QList<std::pair<QString, QLabel*>> values;

    // Value labels of the employee's fields, named after the columns they show.
    QLabel* Label5 = nullptr;   // 员工编号
    QLabel* Label15 = nullptr;  // 姓名
    QLabel* Label20 = nullptr;  // 部门
    QLabel* Label21 = nullptr;  // 职位
    QLabel* Label19 = nullptr;  // 性别
    QLabel* Label30 = nullptr;  // 出生日期
    QLabel* Label28 = nullptr;  // 民族
    QLabel* Label29 = nullptr;  // 学历
    QLabel* Label35 = nullptr;  // 体重
    QLabel* Label31 = nullptr;  // 上岗证
    QLabel* Label32 = nullptr;  // 暂住证
    QLabel* Label33 = nullptr;  // 婚育证
    QLabel* Label34 = nullptr;  // 录用日期
    QLabel* Label36 = nullptr;  // 身份证号
    QLabel* Label37 = nullptr;  // 合同编号
    QLabel* Label25 = nullptr;  // 合同生效日
    QLabel* Label27 = nullptr;  // 身高
    QLabel* Label26 = nullptr;  // 合同到期日
    QLabel* Label44 = nullptr;  // 籍贯
    QLabel* Label50 = nullptr;  // 毕业院校
    QLabel* Label64 = nullptr;  // 住址
    QLabel* Label46 = nullptr;  // 婚否
    QLabel* Label52 = nullptr;  // 专业
    QLabel* Label42 = nullptr;  // 政治面貌
    QLabel* Label48 = nullptr;  // 外语情况
    QLabel* Label54 = nullptr;  // 联系电话
    QLabel* Label24 = nullptr;  // 备注

    QPlainTextEdit* Text27 = nullptr;  // 教育背景
    QPlainTextEdit* Text28 = nullptr;  // 工作经历
    QPlainTextEdit* Text29 = nullptr;  // 奖罚记录
    QPlainTextEdit* Text30 = nullptr;  // 本公司经历
    QPushButton* Command1 = nullptr;   // "查看详细履历"

protected:
    // The employee's fields in the order they stand; the two views differ only
    // in the caption of 籍贯 and in the label that holds 特长.
    QList<Field> employeeFields(const QString& birthplaceCaption, const Field& speciality);
    // Lays the window out; fields stand two to a row in the order given.
    void build(QWidget* window, const QString& caption, const QString& frameCaption, const QList<Field>& fields);
};

// The current employee's record.
struct formshowUi : RecordViewUi {
    QLabel* Label22 = nullptr;  // 特长

    void setupUi(QWidget* window);
};

}  // namespace halvern
