#include "EntryRules.h"

#include "platform/Database.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "platform/Texts.h"
#include "ModuleState.h"

#include <QLineEdit>
#include <QWidget>

namespace halvern {

using namespace platform;

namespace {

const QString kRegionSql = QStringLiteral("select * from 行政区划 where code=?");

bool isDigit(int key) { return key >= '0' && key <= '9'; }

}  // namespace

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
        const int length = variant == EntryVariant::Entry ? t.size() : TrimBlanks(t).size();
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
