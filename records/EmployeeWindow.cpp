#include "EmployeeWindow.h"

#include "frmllrc.h"
#include "frmloadpic.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "platform/Texts.h"
#include "common/ApplySkin.h"
#include "common/ModuleState.h"

#include <QPointer>

namespace halvern {

using namespace platform;

void EmployeeWindow::ConnectShared(FormlrUi& ui, const QList<QWidget*>& tabOrder,
                                   const QList<QWidget*>& enterBoxes) {
    boxes_ = &ui;
    connect(ui.Command2, &QPushButton::clicked, this, &EmployeeWindow::Command2_Click);
    connect(ui.Command3, &QPushButton::clicked, this, &EmployeeWindow::Command3_Click);
    OnClick(ui.Frame2, [this] { Frame2_Click(); });
    OnClick(ui.Image1, [this] { Image1_Click(); });
    OnClick(ui.Label5, [this] { Label5_Click(); });

    order_.Set(tabOrder);
    for (QWidget* w : enterBoxes) OnKeyPress(w, [this, w](int& k) { EnterMovesOn(k, w, order_); });
    OnKeyPress(ui.Text6, [this](int& k) { Text6_KeyPress(k); });
    OnKeyPress(ui.Text14, [this](int& k) { Text14_KeyPress(k); });
    OnKeyPress(ui.Text24, [this](int& k) { Text24_KeyPress(k); });
    OnKeyPress(ui.Text25, [this](int& k) { Text25_KeyPress(k); });
    OnKeyPress(ui.Text15, [this](int& k) { Text15_KeyPress(k); });
}

void EmployeeWindow::LoadShared() {
    ApplySkin(*this, twotest);
    ConnString = DbConnString();
    // A picture chosen in an earlier, abandoned opening must not reach this one.
    Module().PicturePath.clear();
}

void EmployeeWindow::Form_Unload(bool& cancel) {
    (void)cancel;
    Module().PicturePath.clear();
}

void EmployeeWindow::ReportSaveFailure(const std::exception& failure) {
    QString text = QStringLiteral("出现错误或者编号重复，请重新录入！");
    // A database or disk that refused the save is named; a duplicate number is what the text says.
    if (const auto* e = dynamic_cast<const DbError*>(&failure); e && e->IsSystemFailure())
        text += QLatin1Char('\n') + e->message();
    MsgBox(text, MsgButtons::OK, MsgIcon::Critical, QStringLiteral("错误"));
}

void EmployeeWindow::ReportPhotoNotCopied() {
    MsgBox(QStringLiteral("员工资料已保存，但照片未能复制到 pic 文件夹，请重新选择照片。"), MsgButtons::OK,
           MsgIcon::Exclamation);
}

void EmployeeWindow::StoreHistoryBoxes(const FormlrUi& ui, CareerHistory& history) {
    const auto spaced = [](const QString& text) { return text + QLatin1Char(' '); };
    history.Set(QStringLiteral("员工编号"), TrimBlanks(ui.Text1->text()));
    history.Set(QStringLiteral("教育背景"), spaced(ui.Text27->text()));
    history.Set(QStringLiteral("工作经历"), spaced(ui.Text28->text()));
    history.Set(QStringLiteral("奖罚记录"), spaced(ui.Text29->text()));
    history.Set(QStringLiteral("本公司经历"), spaced(ui.Text30->text()));
}

void EmployeeWindow::Command2_Click() { Unload(); }

void EmployeeWindow::Command3_Click() {
    Module().HistoryCaller = variant_ == EntryVariant::Entry ? QStringLiteral("formlr") : QStringLiteral("formmod");
    auto* editor = WindowHost::Default<frmllrc>();
    FormlrUi* b = boxes_;
    // Nothing is stored until this window saves: the confirmed texts go into its boxes.
    editor->Open({b->Text27->text(), b->Text28->text(), b->Text29->text(), b->Text30->text()},
                 [b, self = QPointer<EmployeeWindow>(this)](const HistoryTexts& texts) {
                     if (!self) return;
                     b->Text27->setText(texts[0]);
                     b->Text28->setText(texts[1]);
                     b->Text29->setText(texts[2]);
                     b->Text30->setText(texts[3]);
                 });
    WindowHost::Show(editor, ShowMode::Modal);
}

void EmployeeWindow::OpenPicker() {
    Module().PictureCaller = variant_ == EntryVariant::Entry ? QStringLiteral("lr") : QStringLiteral("mod");
    auto* picker = WindowHost::Default<frmloadpic>();
    FormlrUi* b = boxes_;
    // The chosen file is copied when this window saves; until then its picture shows in the photo box.
    picker->Open([b, self = QPointer<EmployeeWindow>(this)](const QPixmap& picture) {
        if (!self) return;
        b->SetPhoto(picture);
        b->Label5->setVisible(false);
    });
    WindowHost::Show(picker, ShowMode::Modal);
}

void EmployeeWindow::Frame2_Click() { OpenPicker(); }
void EmployeeWindow::Image1_Click() { OpenPicker(); }
void EmployeeWindow::Label5_Click() { OpenPicker(); }

void EmployeeWindow::Text6_KeyPress(int& KeyAscii) {
    // Only the entry window refuses a wrong birth date with the plain message.
    DateKeyPress(KeyAscii, boxes_->Text6, boxes_->Text13, variant_, /*plainRefusal=*/variant_ == EntryVariant::Entry);
}
void EmployeeWindow::Text14_KeyPress(int& KeyAscii) {
    DateKeyPress(KeyAscii, boxes_->Text14, boxes_->Text23, variant_);
}
void EmployeeWindow::Text24_KeyPress(int& KeyAscii) {
    DateKeyPress(KeyAscii, boxes_->Text24, boxes_->Text25, variant_);
}
void EmployeeWindow::Text25_KeyPress(int& KeyAscii) {
    DateKeyPress(KeyAscii, boxes_->Text25, boxes_->Text22, variant_);
}
void EmployeeWindow::Text15_KeyPress(int& KeyAscii) {
    IdCardKeyPress(KeyAscii, boxes_->Text15, boxes_->Text16, order_, variant_);
}

}  // namespace halvern
