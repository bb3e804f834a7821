#pragma once

#include "formshowUi.h"

namespace halvern {

// A leaver's record: the fields of the current employees plus reason and date of leaving.
struct Formshow1Ui : RecordViewUi {
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
    QLabel* Label23 = nullptr;  // 特长
    QLabel* Label46 = nullptr;  // 婚否
    QLabel* Label52 = nullptr;  // 专业
    QLabel* Label42 = nullptr;  // 政治面貌
    QLabel* Label48 = nullptr;  // 外语情况
    QLabel* Label54 = nullptr;  // 联系电话
    QLabel* Label24 = nullptr;  // 备注
    QLabel* Label58 = nullptr;  // 离职原因
    QLabel* Label60 = nullptr;  // 离职时间

    void setupUi(QWidget* window);
};

}  // namespace halvern
