#include "Formdel.h"

#include "common/EmployeeRecord.h"
#include "common/PhotoFiles.h"

#include "common/ModuleState.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDir.h"
#include "platform/Texts.h"

namespace halvern {

using namespace platform;

Formdel::Formdel() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formdel::Command1_Click);
}

void Formdel::Form_Load() { ui.Text1->setText(TrimBlanks(MainGridCell())); }

void Formdel::Command1_Click() {
    const QString no = ui.Text1->text();
    enum class Outcome { Deleted, Placeholder, Failed, PhotographStuck } outcome = Outcome::Failed;
    QString photo;
    QString cause;  // a failure other than a number that is no leaver
    try {
        auto conn = Connection::open(DbConnString());
        // The leaver row and the history row go together or not at all.
        Transaction tx(*conn);
        const auto leaver = LeaverRecord::Load(*conn, no);
        if (!leaver) throw DbError(QStringLiteral("没有这个离职员工。"));
        if (leaver->Text(QStringLiteral("员工编号")) == QLatin1String(".")) {
            outcome = Outcome::Placeholder;
        } else {
            photo = TrimBlanks(leaver->Text(QStringLiteral("图片")));
            // His history, never that of an employee hired again under the number.
            const auto history = CareerHistory::OfLeaver(*conn, no);
            leaver->Remove(*conn);
            if (history) history->Remove(*conn);
            // A photograph another row still names (a number hired again) stays.
            const QString file = PhotographFile(photo);
            PhotographRemoval removal(PhotographOwned(*conn, file) ? QString() : file);
            if (!removal.Prepare()) {
                outcome = Outcome::PhotographStuck;
            } else {
                tx.commit();
                removal.Finish();
                outcome = Outcome::Deleted;
            }
        }
    } catch (const DbError& e) {
        outcome = Outcome::Failed;
        if (e.IsSystemFailure()) cause = e.message();
    }

    switch (outcome) {
    case Outcome::Placeholder:
        MsgBox(QStringLiteral("不能删除此条记录!"), MsgButtons::OK, MsgIcon::None, kAppTitle);
        return;
    case Outcome::Failed:
        MsgBox(QStringLiteral("员工编号不存在或者出现异常错误! ") + (cause.isEmpty() ? QString() : QLatin1Char('\n') + cause),
               MsgButtons::OK, MsgIcon::Critical, QStringLiteral("错误"));
        return;
    case Outcome::PhotographStuck:
        MsgBox(QStringLiteral("照片文件“%1”无法删除，离职人员的资料没有删除。").arg(ProgramPath(photo)),
               MsgButtons::OK, MsgIcon::Critical, QStringLiteral("错误"));
        return;
    case Outcome::Deleted:
        break;
    }
    RefreshMainGrid();
    Unload();
}

}  // namespace halvern
