#include "Formshow1.h"

#include "formshow.h"
#include "frmllrc.h"
#include "shell/ApplySkin.h"
#include "shell/ModuleState.h"

namespace halvern {

using namespace platform;

namespace {
const QString kLeaverSql = QStringLiteral("select * from 员工离职 where 员工编号 = ? limit 1");
}

Formshow1::Formshow1() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formshow1::Command1_Click);
}

void Formshow1::Form_Load() {
    ApplySkin(*this, twotest);
    const QString no = Module().ViewEmployeeNo;
    const std::pair<QString, QLabel*> values[] = {
        {QStringLiteral("员工编号"), ui.Label5},   {QStringLiteral("姓名"), ui.Label15},
        {QStringLiteral("部门"), ui.Label20},       {QStringLiteral("职位"), ui.Label21},
        {QStringLiteral("性别"), ui.Label19},       {QStringLiteral("出生日期"), ui.Label30},
        {QStringLiteral("民族"), ui.Label28},       {QStringLiteral("学历"), ui.Label29},
        {QStringLiteral("体重"), ui.Label35},       {QStringLiteral("上岗证"), ui.Label31},
        {QStringLiteral("暂住证"), ui.Label32},     {QStringLiteral("婚育证"), ui.Label33},
        {QStringLiteral("录用日期"), ui.Label34},   {QStringLiteral("身份证号"), ui.Label36},
        {QStringLiteral("合同编号"), ui.Label37},   {QStringLiteral("合同生效日"), ui.Label25},
        {QStringLiteral("身高"), ui.Label27},       {QStringLiteral("合同到期日"), ui.Label26},
        {QStringLiteral("籍贯"), ui.Label44},       {QStringLiteral("毕业院校"), ui.Label50},
        {QStringLiteral("住址"), ui.Label64},       {QStringLiteral("特长"), ui.Label23},
        {QStringLiteral("婚否"), ui.Label46},       {QStringLiteral("专业"), ui.Label52},
        {QStringLiteral("政治面貌"), ui.Label42},   {QStringLiteral("外语情况"), ui.Label48},
        {QStringLiteral("联系电话"), ui.Label54},   {QStringLiteral("备注"), ui.Label24},
        {QStringLiteral("离职原因"), ui.Label58},   {QStringLiteral("离职时间"), ui.Label60}};

    try {
        Recordset rs;
        rs.Open(kLeaverSql, DbConnString(), LockType::ReadOnly, {no});
        if (rs.EOF_()) return;  // no such leaver: a window without values, and no message
        for (const auto& [column, label] : values) label->setText(recordview::Shown(rs, column));
        // Here a photograph that will not load ends the load: the history stays empty.
        if (!recordview::ShowPhoto(rs, ui.Image1)) return;
        rs.Close();
        recordview::FillHistory(ui, no);
    } catch (const DbError& e) {
        recordview::ReportReadFailure(e);
    }
}

void Formshow1::Command1_Click() {
    Module().HistoryCaller = QStringLiteral("formshow1");
    WindowHost::Show(WindowHost::Default<frmllrc>(), ShowMode::Modal);
}

}  // namespace halvern
