// The design shared by the employee entry window (Formlr) and the modify
// window (Formmod): the same boxes, the photograph picker, the history
// window, the keyboard rules of the date and identity-card boxes and the
// messages of a save. Each window adds its own load and its own save.
#pragma once

#include "common/EntryRules.h"
#include "common/EmployeeRecord.h"
#include "FormlrUi.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

#include <exception>

namespace halvern {

class EmployeeWindow : public platform::Form {
public:
    QString ConnString;

    void Command2_Click();  // 退  出
    void Command3_Click();  // 详细覆历录入 / 详细覆历修改
    void Frame2_Click();
    void Image1_Click();
    void Label5_Click();

    void Text6_KeyPress(int& KeyAscii);
    void Text14_KeyPress(int& KeyAscii);
    void Text24_KeyPress(int& KeyAscii);
    void Text25_KeyPress(int& KeyAscii);
    void Text15_KeyPress(int& KeyAscii);
    const TabOrder& Order() const { return order_; }

protected:
    explicit EmployeeWindow(EntryVariant variant) : variant_(variant) {}

    // Connects the shared controls of ui, set up already: Enter walks
    // tabOrder from each of enterBoxes, and the special boxes keep their rules.
    void ConnectShared(FormlrUi& ui, const QList<QWidget*>& tabOrder, const QList<QWidget*>& enterBoxes);
    // The skin, the connection and no photograph chosen yet; the lists are filled by the caller.
    void LoadShared();
    void Form_Unload(bool& cancel) override;

    // The failure message of a save that stored nothing, with the cause on a
    // second line when the database or the disk refused it.
    static void ReportSaveFailure(const std::exception& failure);
    // The warning of a save whose rows are stored but whose photograph is not.
    static void ReportPhotoNotCopied();
    // The 覆历 row as both windows store it from their boxes: the number
    // trimmed, the four history texts as shown followed by one blank.
    static void StoreHistoryBoxes(const FormlrUi& ui, CareerHistory& history);

private:
    void OpenPicker();

    FormlrUi* boxes_ = nullptr;
    EntryVariant variant_;
    platform::Skin twotest;
    TabOrder order_;
};

}  // namespace halvern
