#include "frmllrc.h"

#include "Formlr.h"
#include "Formmod.h"
#include "common/ApplySkin.h"
#include "common/ModuleState.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace halvern {

using namespace platform;

namespace {

// Callers in the order the confirmation tests them.
const QStringList kCallers{QStringLiteral("formlr"), QStringLiteral("formmod"), QStringLiteral("formshow"),
                           QStringLiteral("formshow1")};

bool isView(const QString& caller) {
    return caller == QLatin1String("formshow") || caller == QLatin1String("formshow1");
}

QString boxText(const QWidget* box) {
    if (auto* e = qobject_cast<const QLineEdit*>(box)) return e->text();
    if (auto* e = qobject_cast<const QTextEdit*>(box)) return e->toPlainText();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(box)) return e->toPlainText();
    if (auto* e = qobject_cast<const QLabel*>(box)) return e->text();
    return {};
}

void setBoxText(QWidget* box, const QString& text) {
    if (auto* e = qobject_cast<QLineEdit*>(box))
        e->setText(text);
    else if (auto* e = qobject_cast<QTextEdit*>(box))
        e->setPlainText(text);
    else if (auto* e = qobject_cast<QPlainTextEdit*>(box))
        e->setPlainText(text);
    else if (auto* e = qobject_cast<QLabel*>(box))
        e->setText(text);
}

Form* findOpener(const QString& caller) {
    if (caller == QLatin1String("formlr"))
        return WindowHost::Exists<Formlr>() ? WindowHost::Default<Formlr>() : nullptr;
    if (caller == QLatin1String("formmod"))
        return WindowHost::Exists<Formmod>() ? WindowHost::Default<Formmod>() : nullptr;
    // The record views are found by name; a visible one wins over one being closed.
    const QString name = frmllrc::OpenerName(caller);
    Form* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form*>(w);
        if (!form || !form->IsLoaded() || form->FormName() != name) continue;
        if (form->isVisible()) return form;
        found = form;
    }
    return found;
}

}  // namespace

frmllrc::frmllrc() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &frmllrc::Command1_Click);
}

QString frmllrc::OpenerName(const QString& historyCaller) {
    if (historyCaller == QLatin1String("formlr")) return QStringLiteral("Formlr");
    if (historyCaller == QLatin1String("formmod")) return QStringLiteral("Formmod");
    if (historyCaller == QLatin1String("formshow")) return QStringLiteral("formshow");
    if (historyCaller == QLatin1String("formshow1")) return QStringLiteral("Formshow1");
    return {};
}

std::array<QWidget*, 4> frmllrc::OpenerBoxes(const QString& historyCaller) {
    std::array<QWidget*, 4> result{};
    Form* opener = findOpener(historyCaller);
    if (!opener) return result;
    const char* names[4] = {"Text27", "Text28", "Text29", "Text30"};
    for (int i = 0; i < 4; ++i) result[i] = opener->findChild<QWidget*>(QString::fromLatin1(names[i]));
    return result;
}

std::array<QTextEdit*, 4> frmllrc::boxes() const {
    return {ui.RichTextBox1, ui.RichTextBox2, ui.RichTextBox3, ui.RichTextBox4};
}

void frmllrc::Form_Load() {
    ApplySkin(*this, twotest);
    const QString caller = Module().HistoryCaller;
    if (!kCallers.contains(caller)) return;
    if (isView(caller))
        for (QTextEdit* box : boxes()) box->setReadOnly(true);
    const auto from = OpenerBoxes(caller);
    const auto to = boxes();
    for (int i = 0; i < 4; ++i)
        if (from[i]) to[i]->setPlainText(boxText(from[i]));
}

void frmllrc::Command1_Click() {
    const QString caller = Module().HistoryCaller;
    if (kCallers.contains(caller)) {
        const auto to = OpenerBoxes(caller);
        const auto from = boxes();
        for (int i = 0; i < 4; ++i)
            if (to[i]) setBoxText(to[i], from[i]->toPlainText());
    }
    Unload();
}

}  // namespace halvern
