#pragma once

#include "AddSearchUi.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

#include <array>

namespace halvern {

// Combined search: up to 21 conditions on 员工信息, each joined to the one
// above by 并且 or 或者; the employees found fill the main window's grid.
class AddSearch : public platform::Form {
public:
    AddSearch();
    QString FormName() const override { return QStringLiteral("AddSearch"); }
    AddSearchUi ui;

    static constexpr int kMaxConditions = 21;
    // One entry per row of list1, in step with it.
    std::array<QString, kMaxConditions> CondFields;  // field name
    std::array<QString, kMaxConditions> CondOps;     // operator item, e.g. "like(包含)"
    std::array<QString, kMaxConditions> CondValues;  // value in single quotes

    // The fields a condition may name (Combo1's list).
    static const QStringList& FieldItems();

    void Command1_Click();  // 添加
    void Command2_Click();  // 删除
    void Command3_Click();  // 确定
    void Command4_Click();  // 取消

protected:
    void Form_Load() override;

private:
    platform::Skin twotest;
};

}  // namespace halvern
