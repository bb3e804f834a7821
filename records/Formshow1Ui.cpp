#include "Formshow1Ui.h"

namespace halvern {

#define FIELD(caption, label) Field{QStringLiteral(caption), QStringLiteral(#label), &label}

void Formshow1Ui::setupUi(QWidget* window) {
    build(window, QStringLiteral("离职员工详细资料"), QStringLiteral("离职人员信息"),
          {FIELD("员工编号：", Label5),   FIELD("姓  名：", Label15),
           FIELD("部  门：", Label20),     FIELD("职  务：", Label21),
           FIELD("性  别：", Label19),     FIELD("出生日期：", Label30),
           FIELD("民  族：", Label28),     FIELD("学  历：", Label29),
           FIELD("体  重：", Label35),     FIELD("上岗证 ：", Label31),
           FIELD("暂住证：", Label32),     FIELD("婚育证：", Label33),
           FIELD("录用日期：", Label34),   FIELD("身份证号：", Label36),
           FIELD("合同编号：", Label37),   FIELD("合同生效日：", Label25),
           FIELD("身  高：", Label27),     FIELD("合同终止日：", Label26),
           FIELD("籍  贯：", Label44),     FIELD("毕业院校：", Label50),
           FIELD("住  址：", Label64),     FIELD("特  长：", Label23),
           FIELD("婚  否：", Label46),     FIELD("专  业：", Label52),
           FIELD("政治面貌：", Label42),   FIELD("外语情况：", Label48),
           FIELD("联系电话：", Label54),   FIELD("备  注：", Label24),
           FIELD("离职原因：", Label58),   FIELD("离职时间：", Label60)});
}

#undef FIELD

}  // namespace halvern
