// The photograph files in pic/: how a photograph is named, which rows own a
// file, putting a saved photograph in place together with its rows, taking a
// leaver's photograph out of the way while the leaver's rows go, and settling
// at start-up what a program stopped midway left behind.
#pragma once

#include "platform/Database.h"
#include "platform/FileSystem.h"

#include <QString>

namespace halvern {

// The photograph file of a stored 图片 ("\pic\A1.jpg"), or empty text when the
// value names nothing inside the photograph folder: files elsewhere are never ours to delete.
QString PhotographFile(const QString& stored);

// 图片 of an employee's photograph: "\pic\", then the file name of the number
// as typed followed by the last four characters of the chosen file's path. A
// number a file name can hold keeps that name; no two numbers share one.
// Variant 2, 3 … puts " (2)", " (3)" … after the number.
QString PictureField(const QString& numberAsTyped, const QString& picturePath, int variant = 1);

// True when a row of 员工信息 or 员工离职 names the photograph file (compared
// without regard to case, so two numbers the database takes for one never
// share a file on any disk); the 员工信息 row exceptEmployeeRow is not counted.
// Throws DbError.
bool PhotographOwned(platform::Connection& conn, const QString& file, qint64 exceptEmployeeRow = -1);

// 图片 for a photograph newly chosen for an employee: PictureField, or its next
// variant while the file belongs to another row, so that a save never replaces
// the photograph of another employee or of a leaver. Throws DbError.
QString FreePictureField(platform::Connection& conn, const QString& numberAsTyped, const QString& picturePath,
                         qint64 ownEmployeeRow = -1);

// The photograph of a save, put in place with its rows as one whole: copied
// beside its place under a passing name and recorded with what the rows will
// hold while they are pending, put in place once they are committed. A program
// stopped after the commit has it put in place at the next start; one stopped
// before has it removed there.
class PhotoInstall {
public:
    PhotoInstall() = default;
    PhotoInstall(const PhotoInstall&) = delete;
    PhotoInstall& operator=(const PhotoInstall&) = delete;

    // Copies source beside target, once the rows of employee `number` are
    // written (uncommitted) on conn. Throws DbError when it cannot.
    void Prepare(platform::Connection& conn, const QString& source, const QString& target, const QString& number);
    // The rows are committed: replaces target with the copy; false when the file system refuses.
    bool Install();

private:
    platform::StagedFiles staged_;
};

// Takes a photograph out of the way (".NAME.deleting") before the rows go, so
// that a file that cannot be deleted stops the deletion, and a deletion that
// fails gets it back. A program stopped in between leaves the aside name, which
// SettlePhotoLeftovers puts back while the leaver is still on file.
class PhotographRemoval {
public:
    explicit PhotographRemoval(const QString& file) : file_(file) {}
    ~PhotographRemoval();
    PhotographRemoval(const PhotographRemoval&) = delete;
    PhotographRemoval& operator=(const PhotographRemoval&) = delete;

    // False when the file is there but cannot be moved (and so not deleted).
    bool Prepare();
    // The rows are gone: the photograph goes too.
    void Finish();

private:
    QString file_;
    QString aside_;
};

// Settles the leftovers of a program stopped midway: a saved photograph goes
// in place when its rows were committed and away otherwise; a photograph set
// aside for a deletion goes back when a leaver or an employee still names it;
// every other passing file in the program folder and in pic/ is removed. While
// the personnel database cannot be read, what depends on it waits for the next start.
void SettlePhotoLeftovers();

}  // namespace halvern
