#include "formshow.h"

#include "frmllrc.h"
#include "shell/ApplySkin.h"
#include "shell/ModuleState.h"
#include "platform/Dates.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/ProgramDir.h"

namespace halvern {

using namespace platform;

namespace {

const QString kEmployeeSql = QStringLiteral("select * from 员工信息 where 员工编号 = ? limit 1");
const QString kHistorySql = QStringLiteral("select * from 覆历 where 员工编号 = ?");

const QStringList kDateColumns{QStringLiteral("出生日期"), QStringLiteral("录用日期"), QStringLiteral("合同生效日"),
                               QStringLiteral("合同到期日"), QStringLiteral("离职时间")};

// Removes surrounding blanks only: a history that begins with a line break keeps it.
QString trimBlanks(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' ')) ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' ')) --e;
    return s.mid(b, e - b);
}

}  // namespace

namespace recordview {

QString Shown(const Recordset& rs, const QString& column) {
    const QVariant v = rs.Fields(column);
    if (kDateColumns.contains(column)) return ShowDate(v);
    return v.toString();
}

bool ShowPhoto(const Recordset& rs, QLabel* image) {
    const QString photo = rs.Text(QStringLiteral("图片"));
    if (photo.isEmpty()) return true;
    const QPixmap pm = LoadPicture(ProgramPath(photo));
    if (pm.isNull()) return false;
    image->setPixmap(pm);
    return true;
}

void FillHistory(RecordViewUi& ui, const QString& employeeNo) {
    Recordset rs;
    rs.Open(kHistorySql, DbConnString(), LockType::ReadOnly, {employeeNo});
    if (rs.EOF_()) return;  // no history on file: the boxes stay empty
    ui.Text27->setPlainText(trimBlanks(rs.Text(QStringLiteral("教育背景"))));
    ui.Text28->setPlainText(trimBlanks(rs.Text(QStringLiteral("工作经历"))));
    ui.Text29->setPlainText(trimBlanks(rs.Text(QStringLiteral("奖罚记录"))));
    ui.Text30->setPlainText(trimBlanks(rs.Text(QStringLiteral("本公司经历"))));
    rs.Close();
}

void ReportReadFailure(const DbError& e) {
    MsgBox(QStringLiteral("无法读取员工资料：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical,
           QStringLiteral("错误"));
}

}  // namespace recordview

formshow::formshow() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &formshow::Command1_Click);
}

void formshow::Form_Load() {
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
        {QStringLiteral("住址"), ui.Label64},       {QStringLiteral("特长"), ui.Label22},
        {QStringLiteral("婚否"), ui.Label46},       {QStringLiteral("专业"), ui.Label52},
        {QStringLiteral("政治面貌"), ui.Label42},   {QStringLiteral("外语情况"), ui.Label48},
        {QStringLiteral("联系电话"), ui.Label54},   {QStringLiteral("备注"), ui.Label24}};

    Recordset rs;
    try {
        rs.Open(kEmployeeSql, DbConnString(), LockType::ReadOnly, {no});
        // A number that names no employee leaves the window without values, and says nothing.
        if (rs.EOF_()) return;
        for (const auto& [column, label] : values) label->setText(recordview::Shown(rs, column));
    } catch (const DbError& e) {
        recordview::ReportReadFailure(e);
        return;
    }
    // From here each step stands on its own: a photograph that will not load still leaves the history.
    recordview::ShowPhoto(rs, ui.Image1);
    rs.Close();
    try {
        recordview::FillHistory(ui, no);
    } catch (const DbError& e) {
        recordview::ReportReadFailure(e);
    }
}

void formshow::Command1_Click() {
    Module().HistoryCaller = QStringLiteral("formshow");
    WindowHost::Show(WindowHost::Default<frmllrc>(), ShowMode::Modal);
}

}  // namespace halvern
