#include "frmdaxg.h"

#include "frmdadj.h"
#include "platform/MessageBox.h"
#include "common/ApplySkin.h"
#include "common/ModuleState.h"

namespace halvern {

using namespace platform;

namespace {

// The employee's first training record, with the row identity kept for the save.
const QString kTrainingOfKeySql = QStringLiteral("select rowid as 记录号, * from 培训 where 员工编号=?");
const QString kTrainingRowSql = QStringLiteral("select * from 培训 where rowid=?");

}  // namespace

qint64 LoadTrainingRecord(const QString& connString, TrainingBoxes& boxes) {
    const QString key = Module().CurrentTrainingKey;
    try {
        Recordset rs;
        rs.Open(kTrainingOfKeySql, connString, LockType::ReadOnly, {key});
        if (!rs.EOF_()) {
            ShowTrainingRow(rs, boxes);
            return rs.Fields(QStringLiteral("记录号")).toLongLong();
        }
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("读取培训记录失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        return 0;
    }
    if (key.isEmpty())
        MsgBox(QStringLiteral("请先在“人事培训”中选中一条培训记录。"), MsgButtons::OK, MsgIcon::Critical);
    else
        MsgBox(QStringLiteral("没有找到员工编号为“%1”的培训记录。").arg(key), MsgButtons::OK, MsgIcon::Critical);
    return 0;
}

frmdaxg::frmdaxg() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &frmdaxg::Command1_Click);
}

void frmdaxg::Form_Load() {
    ApplySkin(*this, twotest);
    connString_ = DbConnString();
    recordId_ = LoadTrainingRecord(connString_, ui);
    // No record to modify: the window does not open.
    if (!recordId_) Unload();
}

void frmdaxg::Command1_Click() {
    // After a save the boxes are empty; saving them would wipe the record.
    if (!recordId_) {
        MsgBox(QStringLiteral("这条培训记录已经保存。要再修改，请在主窗口重新选择培训记录。"), MsgButtons::OK,
               MsgIcon::Critical);
        return;
    }
    // The number was shown with a blank after it; stored so, the record would
    // no longer be found by its number.
    ui.Text1->setText(TrimBlanks(ui.Text1->text()));
    const TrainingSaved saved = SaveTrainingRow(connString_, kTrainingRowSql, {recordId_}, TrainingSaveInto::RowRead,
                                                TrainingText::WithoutTrailingBlanks, ui);
    if (saved == TrainingSaved::Failed) return;
    recordId_ = 0;
    if (saved == TrainingSaved::RowGone) {
        MsgBox(QStringLiteral("这条培训记录已被删除，修改没有保存。"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    ClearTrainingBoxes(ui);
    RefreshMainGrid();
}

}  // namespace halvern
