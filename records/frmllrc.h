#pragma once

#include "frmllrcUi.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

#include <array>

namespace halvern {

// Career-history editor: the four history texts of the window that opened it,
// in four boxes. It touches no database; the opener stores the texts.
//
// How to open it: set Module().HistoryCaller, then
//   WindowHost::Show(WindowHost::Default<frmllrc>(), ShowMode::Modal);
//   "formlr"    Formlr     editable, copied back on 确  定
//   "formmod"   Formmod    editable, copied back on 确  定
//   "formshow"  formshow   read-only
//   "formshow1" Formshow1  read-only
// The opener is the loaded window whose FormName() is the name above; its
// history boxes are its child widgets named Text27, Text28, Text29 and Text30
// (教育背景, 工作经历, 奖罚记录, 本公司经历), each a QLineEdit, QTextEdit,
// QPlainTextEdit or QLabel. Any other HistoryCaller gives four empty boxes.
class frmllrc : public platform::Form {
    Q_OBJECT
public:
    frmllrc();
    QString FormName() const override { return QStringLiteral("frmllrc"); }
    frmllrcUi ui;

    void Command1_Click();  // 确  定

    // The window name that a HistoryCaller value stands for; empty for an unknown value.
    static QString OpenerName(const QString& historyCaller);
    // The opener's four history boxes, or nulls when the opener is not loaded.
    static std::array<QWidget*, 4> OpenerBoxes(const QString& historyCaller);
    bool IsReadOnly() const { return ui.RichTextBox1->isReadOnly(); }

protected:
    void Form_Load() override;

private:
    std::array<QTextEdit*, 4> boxes() const;
    platform::Skin twotest;
};

}  // namespace halvern
