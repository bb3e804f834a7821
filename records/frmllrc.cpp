#include "frmllrc.h"

#include "common/ApplySkin.h"
#include "common/ModuleState.h"

namespace halvern {

using namespace platform;

namespace {

bool isEditor(const QString& caller) { return caller == QLatin1String("formlr") || caller == QLatin1String("formmod"); }

bool isView(const QString& caller) {
    return caller == QLatin1String("formshow") || caller == QLatin1String("formshow1");
}

}  // namespace

frmllrc::frmllrc() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &frmllrc::Command1_Click);
}

void frmllrc::Open(const HistoryTexts& texts, std::function<void(const HistoryTexts&)> confirmed) {
    texts_ = texts;
    confirmed_ = std::move(confirmed);
}

std::array<QTextEdit*, 4> frmllrc::boxes() const {
    return {ui.RichTextBox1, ui.RichTextBox2, ui.RichTextBox3, ui.RichTextBox4};
}

void frmllrc::Form_Load() {
    ApplySkin(*this, twotest);
    const QString caller = Module().HistoryCaller;
    if (!isEditor(caller) && !isView(caller)) return;
    const auto to = boxes();
    for (int i = 0; i < 4; ++i) {
        to[i]->setPlainText(texts_[i]);
        to[i]->setReadOnly(isView(caller));
    }
}

void frmllrc::Command1_Click() {
    if (isEditor(Module().HistoryCaller) && confirmed_) {
        HistoryTexts texts;
        const auto from = boxes();
        for (int i = 0; i < 4; ++i) texts[i] = from[i]->toPlainText();
        confirmed_(texts);
    }
    Unload();
}

}  // namespace halvern
