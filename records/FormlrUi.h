// Controls of the employee entry window; the modify window uses the same
// controls (FormmodUi) with the few differences it needs.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

namespace halvern {

// A column of 员工信息 and the box (line edit or combo box) that holds it.
struct ColumnBox {
    QString column;
    QWidget* box;
    bool date;  // a date box, typed as "yyyy-mm-dd"
};

// The text of a box: a line edit's text or a combo box's current text.
QString BoxText(const QWidget* box);
// Puts text into a box: a line edit's text or a combo box's edit text.
void SetBoxText(QWidget* box, const QString& text);

struct FormlrUi {
    QGroupBox* Frame1 = nullptr;  // "请录入员工信息："
    QLineEdit* Text1 = nullptr;   // 员工编号
    QComboBox* Combo1 = nullptr;  // 性别
    QLineEdit* Text2 = nullptr;   // 姓名
    QComboBox* Text8 = nullptr;   // 学历
    QComboBox* text3 = nullptr;   // 部门
    QComboBox* Combo2 = nullptr;  // 民族
    QLineEdit* Text4 = nullptr;   // 职务
    QLineEdit* Text9 = nullptr;   // 身高
    QComboBox* text17 = nullptr;  // 婚否
    QLineEdit* Text10 = nullptr;  // 体重
    QLineEdit* Text11 = nullptr;  // 暂住证
    QLineEdit* Text7 = nullptr;   // 特长
    QLineEdit* Text12 = nullptr;  // 婚育证
    QLineEdit* Text5 = nullptr;   // 上岗证
    QLineEdit* Text15 = nullptr;  // 身份证号
    QLineEdit* Text16 = nullptr;  // 籍贯
    QLineEdit* Text6 = nullptr;   // 出生日期
    QComboBox* Text13 = nullptr;  // 政治面貌
    QComboBox* Text19 = nullptr;  // 外语情况
    QLineEdit* Text20 = nullptr;  // 毕业院校
    QLineEdit* Text21 = nullptr;  // 专业
    QLineEdit* Text14 = nullptr;  // 录用日期
    QLineEdit* Text23 = nullptr;  // 合同编号
    QLineEdit* Text24 = nullptr;  // 合同生效日
    QLineEdit* Text25 = nullptr;  // 合同终止日 (合同到期日)
    QLineEdit* Text22 = nullptr;  // 联系电话
    QLineEdit* Text26 = nullptr;  // 住址
    QLineEdit* Text18 = nullptr;  // 备注

    QGroupBox* Frame3 = nullptr;  // "主要履历："
    QLineEdit* Text27 = nullptr;  // 教育背景
    QLineEdit* Text28 = nullptr;  // 工作经历
    QLineEdit* Text29 = nullptr;  // 奖罚记录
    QLineEdit* Text30 = nullptr;  // 本公司经历

    QGroupBox* Frame2 = nullptr;  // "员工照片"
    QLabel* Image1 = nullptr;
    QLabel* Label5 = nullptr;     // "点击此处添加图片", over the picture

    QPushButton* Command1 = nullptr;  // "确  定"
    QPushButton* Command2 = nullptr;  // "退  出"
    QPushButton* Command3 = nullptr;  // "详细覆历录入"

    void setupUi(QWidget* window);

    // The entry window's tab order, which Enter follows.
    QList<QWidget*> EntryTabOrder() const;
    // The modify window's: the history boxes come after the buttons, in reverse.
    QList<QWidget*> ModifyTabOrder() const;

    // The boxes of the employee's columns, 部门 to 备注 in the order the
    // windows store them; the number, the name and 性别 are not among them.
    QList<ColumnBox> EmployeeBoxes() const;

    // Shows a photograph in the photo box, scaled to fit; an empty picture empties it.
    void SetPhoto(const QPixmap& picture);
    // The picture last given to the photo box (unscaled).
    const QPixmap& Photo() const { return photo_; }

private:
    QPixmap photo_;
};

}  // namespace halvern
