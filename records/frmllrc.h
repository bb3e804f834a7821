#pragma once

#include "frmllrcUi.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

#include <array>
#include <functional>

namespace halvern {

// The four history texts: 教育背景, 工作经历, 奖罚记录, 本公司经历.
using HistoryTexts = std::array<QString, 4>;

// Career-history editor: the four history texts of the window that opened it,
// in four boxes. It touches no database and no other window: the opener hands
// it the texts and takes back the texts confirmed with 确  定.
//
// How to open it: set Module().HistoryCaller, hand over the texts, then show it modal:
//   "formlr"    Formlr     editable, the confirmed texts go to `confirmed`
//   "formmod"   Formmod    editable, the confirmed texts go to `confirmed`
//   "formshow"  formshow   read-only
//   "formshow1" Formshow1  read-only
// Any other HistoryCaller gives four empty boxes and hands nothing back.
class frmllrc : public platform::Form {
public:
    frmllrc();
    QString FormName() const override { return QStringLiteral("frmllrc"); }
    frmllrcUi ui;

    // The opener's texts, and what receives the texts confirmed in an editable opening.
    void Open(const HistoryTexts& texts, std::function<void(const HistoryTexts&)> confirmed = {});

    void Command1_Click();  // 确  定

    bool IsReadOnly() const { return ui.RichTextBox1->isReadOnly(); }

protected:
    void Form_Load() override;

private:
    std::array<QTextEdit*, 4> boxes() const;
    platform::Skin twotest;
    HistoryTexts texts_;
    std::function<void(const HistoryTexts&)> confirmed_;
};

}  // namespace halvern
