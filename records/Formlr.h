#pragma once

#include "EntryRules.h"
#include "FormlrUi.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

#include <exception>

namespace platform {
class Recordset;
class Transaction;
}  // namespace platform

namespace halvern {

// The photograph of a save: copied beside its place in pic/ under a passing
// name while the rows are pending, and put in place only once they are
// stored, so a refused save never replaces another employee's photograph.
class PhotoCopy {
public:
    PhotoCopy() = default;
    ~PhotoCopy();
    PhotoCopy(const PhotoCopy&) = delete;
    PhotoCopy& operator=(const PhotoCopy&) = delete;

    // Copies source next to target; throws DbError when the copy cannot be made.
    void Prepare(const QString& source, const QString& target);
    // Replaces target with the copy; false when the file system refuses.
    bool Install();
    bool Pending() const { return !temp_.isEmpty(); }

private:
    QString temp_;
    QString target_;
};

// Entry of new employees, one after another: the window clears itself after
// each save and stays open.
class Formlr : public platform::Form {
    Q_OBJECT
public:
    Formlr();
    QString FormName() const override { return QStringLiteral("Formlr"); }
    FormlrUi ui;
    QString ConnString;

    void Command1_Click();  // 确  定: save
    void Command2_Click();  // 退  出
    void Command3_Click();  // 详细覆历录入
    void Frame2_Click();
    void Image1_Click();
    void Label5_Click();

    void Text6_KeyPress(int& KeyAscii);
    void Text14_KeyPress(int& KeyAscii);
    void Text24_KeyPress(int& KeyAscii);
    void Text25_KeyPress(int& KeyAscii);
    void Text15_KeyPress(int& KeyAscii);
    const TabOrder& Order() const { return order_; }

    // Shared with the modify window, which is built on this one.
    // Fills the nationality list (Combo2) and the department list (text3).
    static void FillLists(FormlrUi& ui, const QString& connString);
    // Stores the boxes as a new employee with its career-history row, both or
    // neither, and copies the photograph at picturePath once they are stored.
    // Throws DbError when nothing was stored; returns false when the rows are
    // stored but the photograph could not be put in place.
    static bool StoreNewEmployee(const FormlrUi& ui, const QString& picturePath);
    // 图片 of an employee: "\pic\", the number as typed and the last four
    // characters of the chosen file's path.
    static QString PictureField(const QString& numberAsTyped, const QString& picturePath);
    // Sets 图片 of the employee row when a photograph was chosen; returns the
    // value set, empty when none was chosen.
    static QString SetPictureField(platform::Recordset& employee, const FormlrUi& ui, const QString& picturePath);
    // Sets the 覆历 row's number and the four history texts from the boxes.
    static void SetHistoryFields(platform::Recordset& history, const FormlrUi& ui);
    // Copies the chosen photograph beside its place, commits the save, then puts
    // the photograph in place; false when it could not be put there. Throws
    // DbError (nothing stored) when the copy cannot be made.
    static bool CommitWithPhoto(platform::Transaction& tx, const QString& picturePath, const QString& pictureField);
    // The failure message of a save that stored nothing, with the cause on a
    // second line when the database or the disk refused it.
    static void ReportSaveFailure(const std::exception& failure);
    // The warning of a save whose rows are stored but whose photograph is not.
    static void ReportPhotoNotCopied();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void ClearForNextEntry();
    void OpenPicker();

    platform::Skin twotest;
    QString SaveSql;
    TabOrder order_;
};

}  // namespace halvern
