#include "formshow.h"

#include "frmllrc.h"
#include "common/ApplySkin.h"
#include "common/ModuleState.h"
#include "platform/Dates.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"

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


// A stored value as the views show it: Null as empty text, dates in the short date form.
QString shown(const Recordset& rs, const QString& column) {
    const QVariant v = rs.Fields(column);
    if (kDateColumns.contains(column)) return ShowDate(v);
    return v.toString();
}

// The photograph named by the row's 图片; false when it names one that cannot be loaded.
bool showPhoto(const Recordset& rs, QLabel* image) {
    const QString photo = rs.Text(QStringLiteral("图片"));
    if (photo.isEmpty()) return true;
    const QPixmap pm = LoadPicture(ProgramPath(photo));
    if (pm.isNull()) return false;
    image->setPixmap(FitPicture(pm, image->contentsRect().size()));
    return true;
}

// Fills Text27..Text30 from the employee's 覆历 row; DbError reaches the caller.
void fillHistory(RecordViewUi& ui, const QString& employeeNo) {
    Recordset rs;
    rs.Open(kHistorySql, DbConnString(), LockType::ReadOnly, {employeeNo});
    if (rs.EOF_()) return;  // no history on file: the boxes stay empty
    ui.Text27->setPlainText(trimBlanks(rs.Text(QStringLiteral("教育背景"))));
    ui.Text28->setPlainText(trimBlanks(rs.Text(QStringLiteral("工作经历"))));
    ui.Text29->setPlainText(trimBlanks(rs.Text(QStringLiteral("奖罚记录"))));
    ui.Text30->setPlainText(trimBlanks(rs.Text(QStringLiteral("本公司经历"))));
    rs.Close();
}

void reportReadFailure(const DbError& e) {
    MsgBox(QStringLiteral("无法读取员工资料：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical,
           QStringLiteral("错误"));
}

}  // namespace

void recordview::Fill(RecordViewUi& ui, const QString& sql, const QString& employeeNo, bool photoFailureEndsLoad) {
    Recordset rs;
    try {
        rs.Open(sql, DbConnString(), LockType::ReadOnly, {employeeNo});
        if (rs.EOF_()) return;
        for (const auto& [column, label] : ui.values) label->setText(shown(rs, column));
    } catch (const DbError& e) {
        reportReadFailure(e);
        return;
    }
    if (!showPhoto(rs, ui.Image1) && photoFailureEndsLoad) return;
    rs.Close();
    try {
        fillHistory(ui, employeeNo);
    } catch (const DbError& e) {
        reportReadFailure(e);
    }
}

formshow::formshow() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &formshow::Command1_Click);
}

void formshow::Form_Load() {
    ApplySkin(*this, twotest);
    // A photograph that will not load still leaves the history.
    recordview::Fill(ui, kEmployeeSql, Module().ViewEmployeeNo, /*photoFailureEndsLoad=*/false);
}

void formshow::Command1_Click() {
    Module().HistoryCaller = QStringLiteral("formshow");
    auto* editor = WindowHost::Default<frmllrc>();
    editor->Open({ui.Text27->toPlainText(), ui.Text28->toPlainText(), ui.Text29->toPlainText(), ui.Text30->toPlainText()});
    WindowHost::Show(editor, ShowMode::Modal);
}

}  // namespace halvern
