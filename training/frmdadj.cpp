#include "frmdadj.h"

#include "platform/Input.h"
#include "platform/MessageBox.h"
#include "common/ApplySkin.h"
#include "common/ModuleState.h"
#include "common/Searches.h"

namespace halvern {

using namespace platform;

namespace {

const QString kAnyTrainingSql = QStringLiteral("select * from 培训 limit 1");
const QString kDepartmentsSql = QStringLiteral("select * from 部门表");
// Opens 培训 for appending without reading its rows.
const QString kNewTrainingSql = QStringLiteral("select * from 培训 where 1=0");
// Quick search: the typed text is matched literally anywhere in the field.
const QString kSearchByNumberSql = QStringLiteral("select * from 员工信息 where  员工编号 like ? escape '\\'");
const QString kSearchByNameSql = QStringLiteral("select * from 员工信息 where  姓名 like ? escape '\\'");

// "%text%" for like, with the pattern characters of the text taken literally.
QString containsPattern(const QString& text) { return QLatin1Char('%') + LiteralPattern(text) + QLatin1Char('%'); }

// Position (from 1) of the first ";" of text at or after start; 0 when there is none.
int semicolonFrom(const QString& text, int start) {
    if (start < 1) start = 1;
    if (start > text.size()) return 0;
    return text.indexOf(QLatin1Char(';'), start - 1) + 1;
}

}  // namespace

void StoreTrainingRow(Recordset& rs, const TrainingBoxes& b, TrainingText text) {
    const auto stored = [text](QString typed) {
        if (text == TrainingText::WithoutTrailingBlanks)
            while (typed.endsWith(QLatin1Char(' '))) typed.chop(1);
        return typed + QLatin1Char(' ');
    };
    rs.SetField(QStringLiteral("员工编号"), b.Text1->text());
    rs.SetField(QStringLiteral("姓名"), stored(b.Text2->text()));
    rs.SetField(QStringLiteral("部门"), stored(b.text3->currentText()));
    rs.SetField(QStringLiteral("培训时间"), stored(b.Text4->text()));
    rs.SetField(QStringLiteral("培训项目"), stored(b.Text5->text()));
    rs.SetField(QStringLiteral("培训方式"), stored(b.Text6->text()));
    rs.SetField(QStringLiteral("培训费用"), stored(b.Text7->text()));
    rs.SetField(QStringLiteral("授课师资"), stored(b.Text8->text()));
    rs.SetField(QStringLiteral("考核方式"), stored(b.Text9->text()));
    rs.SetField(QStringLiteral("考核成绩"), stored(b.Text10->text()));
    rs.SetField(QStringLiteral("获证书及证书号码"), stored(b.Text11->text()));
    rs.SetField(QStringLiteral("备注"), stored(b.Text12->text()));
}

void ShowTrainingRow(const Recordset& rs, TrainingBoxes& b) {
    const auto shown = [&rs](const char* field) {
        return TrimBlanks(rs.Text(QString::fromUtf8(field))) + QLatin1Char(' ');
    };
    b.Text1->setText(shown("员工编号"));
    b.Text2->setText(shown("姓名"));
    b.text3->setEditText(shown("部门"));
    b.Text4->setText(shown("培训时间"));
    b.Text5->setText(shown("培训项目"));
    b.Text6->setText(shown("培训方式"));
    b.Text7->setText(shown("培训费用"));
    b.Text8->setText(shown("授课师资"));
    b.Text9->setText(shown("考核方式"));
    b.Text10->setText(shown("考核成绩"));
    b.Text11->setText(shown("获证书及证书号码"));
    b.Text12->setText(shown("备注"));
}

void ClearTrainingBoxes(TrainingBoxes& b) {
    for (QLineEdit* box : {b.Text1, b.Text2, b.Text4, b.Text5, b.Text6, b.Text7, b.Text8, b.Text9, b.Text10,
                           b.Text11, b.Text12})
        box->clear();
}

TrainingSaved SaveTrainingRow(const QString& connString, const QString& sql, const QVariantList& params,
                              TrainingSaveInto into, TrainingText text, const TrainingBoxes& boxes) {
    Recordset rs;
    try {
        rs.Open(sql, connString, LockType::Pessimistic, params);
        if (into == TrainingSaveInto::NewRow) {
            rs.AddNew();
        } else if (rs.EOF_()) {
            rs.Close();
            return TrainingSaved::RowGone;
        }
        StoreTrainingRow(rs, boxes, text);
        rs.Update();
        rs.Close();
    } catch (const DbError& e) {
        rs.Close();
        // The database refuses an empty number; any other failure says what went wrong.
        if (boxes.Text1->text().isEmpty())
            MsgBox(QStringLiteral("员工编号不能为空"), MsgButtons::OK, MsgIcon::Critical);
        else
            MsgBox(QStringLiteral("培训记录没有保存：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        return TrainingSaved::Failed;
    }
    return TrainingSaved::Yes;
}

frmdadj::frmdadj() {
    ui.setupUi(this);
    tabOrder_.Set(ui.controlsInTabOrder());
    connect(ui.Command1, &QPushButton::clicked, this, &frmdadj::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &frmdadj::Command2_Click);
    OnItemClick(ui.list1, [this](const QModelIndex&) { list1_Click(); });
    OnKeyPress(ui.Text1, [this](int& k) { Text1_KeyPress(k); });
    OnKeyPress(ui.Text2, [this](int& k) { Text2_KeyPress(k); });
    // The record boxes after the number and the name: text3 and Text4 to Text12.
    for (QWidget* box : ui.boxesInTabOrder().mid(2))
        OnKeyPress(box, [this, box](int& k) { EnterMovesOn_KeyPress(box, k); });
}

void frmdadj::Form_Load() {
    ApplySkin(*this, twotest);
    connString_ = DbConnString();
    const QString cell = TrimBlanks(MainGridCell());
    try {
        Recordset rs;
        rs.Open(kAnyTrainingSql, connString_, LockType::ReadOnly);
        if (rs.RecordCount() > 0) ui.Text1->setText(cell);
        rs.Close();

        // No employee of that number leaves the name empty.
        if (const auto employee = EmployeeRecord::Load(*Connection::open(connString_), cell))
            ui.Text2->setText(employee->Text(QStringLiteral("姓名")));

        rs.Open(kDepartmentsSql, connString_, LockType::ReadOnly);
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) ui.text3->addItem(rs.Text(QStringLiteral("部门")));
        if (rs.RecordCount() > 0) {
            rs.MoveFirst();
            ui.text3->setEditText(rs.Text(QStringLiteral("部门")));
        }
        rs.Close();
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("读取人事数据库失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
    }
    ui.Text1->setFocus();
}

void frmdadj::Command1_Click() {
    if (SaveTrainingRow(connString_, kNewTrainingSql, {}, TrainingSaveInto::NewRow, TrainingText::AsTyped, ui) !=
        TrainingSaved::Yes)
        return;
    ClearTrainingBoxes(ui);
    RefreshMainGrid();
}

void frmdadj::Command2_Click() {
    const auto search = [this](const QString& sql, QLineEdit* box) {
        Recordset rs;
        rs.Open(sql, connString_, LockType::ReadOnly, {containsPattern(TrimBlanks(box->text()))});
        ui.list1->clear();
        if (rs.RecordCount() == 0) return;
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
            ui.list1->addItem(TrimBlanks(rs.Text(QStringLiteral("员工编号"))) + QStringLiteral(";  ") +
                              TrimBlanks(rs.Text(QStringLiteral("姓名"))) + QStringLiteral(";  ") +
                              TrimBlanks(rs.Text(QStringLiteral("部门"))) + QStringLiteral(";"));
        }
        box->clear();
    };
    try {
        if (ui.Check1->isChecked() && !TrimBlanks(ui.Text13->text()).isEmpty()) search(kSearchByNumberSql, ui.Text13);
        if (ui.Check2->isChecked() && !TrimBlanks(ui.Text14->text()).isEmpty()) search(kSearchByNameSql, ui.Text14);
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("查询失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
    }
}

void frmdadj::list1_Click() {
    for (int i = 0; i < ui.list1->count(); ++i) {
        const QListWidgetItem* item = ui.list1->item(i);
        if (!item->isSelected()) continue;
        const QString s = item->text();
        const int p1 = semicolonFrom(TrimBlanks(s), 1);
        const int p2 = p1 ? semicolonFrom(s, p1 + 3) : 0;
        const int p3 = p2 ? semicolonFrom(s, p2 + 3) : 0;
        if (!p3) continue;  // not an item of the quick search
        ui.Text1->setText(TrimBlanks(s.mid(0, p1 - 1)));
        ui.Text2->setText(TrimBlanks(s.mid(p1 + 2, p2 - p1 - 3)));
        ui.text3->setEditText(TrimBlanks(s.mid(p2, p3 - p2 - 1)));
    }
}

void frmdadj::lookUp(EmployeeFinder find, const QString& value, QLineEdit* other, const QString& otherField) {
    try {
        if (const auto employee = find(*Connection::open(connString_), value)) {
            other->setText(employee->Text(otherField));
            ui.text3->setEditText(employee->Text(QStringLiteral("部门")));
        }
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("查找员工失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
    }
}

void frmdadj::Text1_KeyPress(int& KeyAscii) {
    if (KeyAscii != kKeyEnter) return;
    lookUp(&EmployeeRecord::Load, TrimBlanks(ui.Text1->text()), ui.Text2, QStringLiteral("姓名"));
    EnterMovesOn(KeyAscii, ui.Text1, tabOrder_);
}

void frmdadj::Text2_KeyPress(int& KeyAscii) {
    if (KeyAscii != kKeyEnter) return;
    lookUp(&EmployeeRecord::FindByName, TrimBlanks(ui.Text2->text()), ui.Text1, QStringLiteral("员工编号"));
    EnterMovesOn(KeyAscii, ui.Text2, tabOrder_);
}

void frmdadj::EnterMovesOn_KeyPress(QWidget* box, int& KeyAscii) { EnterMovesOn(KeyAscii, box, tabOrder_); }

}  // namespace halvern
