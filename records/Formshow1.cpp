#include "Formshow1.h"

#include "formshow.h"
#include "frmllrc.h"
#include "common/ApplySkin.h"
#include "common/ModuleState.h"

namespace halvern {

using namespace platform;

Formshow1::Formshow1() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formshow1::Command1_Click);
}

void Formshow1::Form_Load() {
    ApplySkin(*this, twotest);
    const QString no = Module().ViewEmployeeNo;
    QString picture;
    try {
        const auto leaver = LeaverRecord::Load(*Connection::open(DbConnString()), no);
        // A number that names no leaver leaves the view empty and says nothing.
        if (!leaver) return;
        recordview::ShowValues(ui, [&leaver](const QString& column) { return leaver->Value(column); });
        picture = leaver->Text(QStringLiteral("图片"));
    } catch (const DbError& e) {
        recordview::ReportReadFailure(e);
        return;
    }
    // Here a photograph that will not load ends the load: the history stays empty.
    if (!recordview::ShowPhoto(ui, picture)) return;
    recordview::ShowHistory(ui, no, &CareerHistory::OfLeaver);
}

void Formshow1::Command1_Click() {
    Module().HistoryCaller = QStringLiteral("formshow1");
    auto* editor = WindowHost::Default<frmllrc>();
    editor->Open({ui.Text27->toPlainText(), ui.Text28->toPlainText(), ui.Text29->toPlainText(), ui.Text30->toPlainText()});
    WindowHost::Show(editor, ShowMode::Modal);
}

}  // namespace halvern
