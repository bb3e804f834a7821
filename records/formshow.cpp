#include "formshow.h"

#include "frmllrc.h"
#include "common/ApplySkin.h"
#include "common/ModuleState.h"
#include "platform/Dates.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/ProgramDir.h"
#include "platform/Texts.h"

namespace halvern {

using namespace platform;

namespace {

const QStringList kDateColumns{QStringLiteral("出生日期"), QStringLiteral("录用日期"), QStringLiteral("合同生效日"),
                               QStringLiteral("合同到期日"), QStringLiteral("离职时间")};


// A stored value as the views show it: Null as empty text, dates in the short date form.
QString shown(const QVariant& value, const QString& column) {
    if (kDateColumns.contains(column)) return ShowDate(value);
    return value.toString();
}

}  // namespace

void recordview::ShowValues(RecordViewUi& ui, const std::function<QVariant(const QString&)>& valueOf) {
    for (const auto& [column, label] : ui.values) label->setText(shown(valueOf(column), column));
}

bool recordview::ShowPhoto(RecordViewUi& ui, const QString& picture) {
    if (picture.isEmpty()) return true;
    const QPixmap pm = LoadPicture(ProgramPath(picture));
    if (pm.isNull()) return false;
    ui.Image1->setPixmap(FitPicture(pm, ui.Image1->contentsRect().size()));
    return true;
}

void recordview::ShowHistory(RecordViewUi& ui, const QString& employeeNo,
                             std::optional<CareerHistory> (*historyOf)(Connection&, const QString&)) {
    std::optional<CareerHistory> history;
    try {
        history = historyOf(*Connection::open(DbConnString()), employeeNo);
    } catch (const DbError& e) {
        ReportReadFailure(e);
        return;
    }
    if (!history) return;  // no history on file: the boxes stay empty
    ui.Text27->setPlainText(TrimBlanks(history->Text(QStringLiteral("教育背景"))));
    ui.Text28->setPlainText(TrimBlanks(history->Text(QStringLiteral("工作经历"))));
    ui.Text29->setPlainText(TrimBlanks(history->Text(QStringLiteral("奖罚记录"))));
    ui.Text30->setPlainText(TrimBlanks(history->Text(QStringLiteral("本公司经历"))));
}

void recordview::ReportReadFailure(const DbError& e) {
    MsgBox(QStringLiteral("无法读取员工资料：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical,
           QStringLiteral("错误"));
}

formshow::formshow() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &formshow::Command1_Click);
}

void formshow::Form_Load() {
    ApplySkin(*this, twotest);
    const QString no = Module().ViewEmployeeNo;
    std::optional<EmployeeRecord> employee;
    try {
        employee = EmployeeRecord::Load(*Connection::open(DbConnString()), no);
        // A number that names no employee leaves the view empty and says nothing.
        if (!employee) return;
        recordview::ShowValues(ui, [&employee](const QString& column) { return employee->Value(column); });
    } catch (const DbError& e) {
        recordview::ReportReadFailure(e);
        return;
    }
    // A photograph that will not load still leaves the history.
    recordview::ShowPhoto(ui, employee->Text(QStringLiteral("图片")));
    recordview::ShowHistory(ui, no, &CareerHistory::OfEmployee);
}

void formshow::Command1_Click() {
    Module().HistoryCaller = QStringLiteral("formshow");
    auto* editor = WindowHost::Default<frmllrc>();
    editor->Open({ui.Text27->toPlainText(), ui.Text28->toPlainText(), ui.Text29->toPlainText(), ui.Text30->toPlainText()});
    WindowHost::Show(editor, ShowMode::Modal);
}

}  // namespace halvern
