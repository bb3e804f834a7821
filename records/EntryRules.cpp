#include "EntryRules.h"

#include "platform/Database.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "shell/ModuleState.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

namespace halvern {

using namespace platform;

namespace {

const QString kRegionSql = QStringLiteral("select * from 行政区划 where code=?");

class KeyPressHook : public QObject {
public:
    KeyPressHook(QObject* parent, std::function<void(int&)> handler) : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        auto* ke = static_cast<QKeyEvent*>(event);
        int code = 0;
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            code = kKeyEnter;
        } else if (ke->key() == Qt::Key_Backspace) {
            code = kKeyBackspace;
        } else {
            const QString text = ke->text();
            const bool chord = ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
            if (chord || text.isEmpty()) return false;
            const char16_t c = text.at(0).unicode();
            if (c < 0x20 || c == 0x7f) return false;
            code = c;
        }
        handler_(code);
        return code == 0;
    }

private:
    std::function<void(int&)> handler_;
};

class ClickHook : public QObject {
public:
    ClickHook(QObject* parent, std::function<void()> handler) : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(event);
            auto* w = qobject_cast<QWidget*>(watched);
            if (me->button() == Qt::LeftButton && w && w->rect().contains(me->position().toPoint())) {
                handler_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

bool isDigit(int key) { return key >= '0' && key <= '9'; }

}  // namespace

void OnKeyPress(QWidget* control, std::function<void(int& KeyAscii)> handler) {
    QWidget* target = control;
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) target = combo->lineEdit();
    target->installEventFilter(new KeyPressHook(target, std::move(handler)));
}

void OnClick(QWidget* control, std::function<void()> handler) {
    control->installEventFilter(new ClickHook(control, std::move(handler)));
}

void TabOrder::Set(const QList<QWidget*>& controls) {
    controls_.clear();
    for (QWidget* w : controls) controls_.append(w);
    for (int i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls.at(i - 1), controls.at(i));
}

QWidget* TabOrder::Next(const QWidget* control) const {
    // A key seen by a combo box's edit line counts for the combo box.
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        for (int i = 0; i < controls_.size(); ++i) {
            if (controls_.at(i) != w) continue;
            for (int k = 1; k <= controls_.size(); ++k) {
                QWidget* next = controls_.at((i + k) % controls_.size());
                if (next && next->isEnabled()) return next;
            }
            return nullptr;
        }
    }
    return nullptr;
}

void TabOrder::MoveOn(const QWidget* control) const {
    if (QWidget* next = Next(control)) next->setFocus(Qt::TabFocusReason);
}

void EnterMovesOn(int& KeyAscii, const QWidget* control, const TabOrder& order) {
    if (KeyAscii != kKeyEnter) return;
    order.MoveOn(control);
    KeyAscii = 0;
}

void DateKeyPress(int& KeyAscii, QLineEdit* box, QWidget* next, EntryVariant variant, bool plainRefusal) {
    if (KeyAscii == kKeyEnter) {
        const QString t = box->text();
        const bool complete = variant == EntryVariant::Entry
                                  ? t.isEmpty() || t.size() == 10
                                  : t.isEmpty() || t == QLatin1String(" ") || t.size() == 9 || t.size() == 10;
        KeyAscii = 0;
        if (complete) {
            if (next) next->setFocus(Qt::TabFocusReason);
        } else {
            MsgBox(QStringLiteral("日期输入错误"), MsgButtons::OK, MsgIcon::Information, QStringLiteral("提示"));
            box->clear();
        }
        return;
    }
    if (KeyAscii == kKeyBackspace) {
        // Backspace always takes the last character.
        box->end(false);
        return;
    }
    if (box->text().size() == 4) {
        box->setText(box->text() + QLatin1Char('-'));
        box->end(false);
    }
    if (box->text().size() == 7) {
        box->setText(box->text() + QLatin1Char('-'));
        box->end(false);
    }
    if (!isDigit(KeyAscii)) {
        if (plainRefusal)
            MsgBox(QStringLiteral("输入错误"), MsgButtons::OK, MsgIcon::None, kAppTitle);
        else
            MsgBox(QStringLiteral("输入错误"), MsgButtons::OK, MsgIcon::Information, QStringLiteral("提示"));
        box->clear();
    }
}

void IdCardKeyPress(int& KeyAscii, QLineEdit* box, QLineEdit* nativePlace, const TabOrder& order, EntryVariant variant) {
    if (KeyAscii == kKeyEnter) {
        const QString t = box->text();
        KeyAscii = 0;
        if (variant == EntryVariant::Modify && (t.isEmpty() || t == QLatin1String(" ") || t == QLatin1String("  "))) {
            order.MoveOn(box);
            return;
        }
        const int length = variant == EntryVariant::Entry ? t.size() : t.trimmed().size();
        const bool valid = length == 15 || length == 18 || (variant == EntryVariant::Entry && length == 0);
        if (!valid) {
            MsgBox(QStringLiteral("身份证长度错误"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("提示"));
            return;
        }
        order.MoveOn(box);
        LookUpNativePlace(t, nativePlace);
        return;
    }
    if (KeyAscii == kKeyBackspace) {
        box->end(false);
        return;
    }
    // The warning does not stop the key: an X closing a number is still typed.
    if (!isDigit(KeyAscii))
        MsgBox(QStringLiteral("输入有误"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("提示"));
}

std::optional<QString> RegionName(const QString& idNumber) {
    Recordset rs;
    rs.Open(kRegionSql, DbConnString(), LockType::ReadOnly, {idNumber.left(6)});
    std::optional<QString> name;
    if (rs.RecordCount() > 0) {
        rs.MoveFirst();
        name = rs.Text(QStringLiteral("name"));
    }
    rs.Close();
    return name;
}

void LookUpNativePlace(const QString& idNumber, QLineEdit* nativePlace) {
    try {
        if (const auto name = RegionName(idNumber)) nativePlace->setText(*name);
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法读取行政区划，籍贯未能自动填写。\n%1").arg(e.message()), MsgButtons::OK,
               MsgIcon::Critical, QStringLiteral("提示"));
    }
}

}  // namespace halvern
