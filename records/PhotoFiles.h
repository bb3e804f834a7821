// The photograph files in pic/ beyond a single save: where a stored 图片 points,
// taking a leaver's photograph out of the way while the leaver's rows go, and
// settling at start-up what a program stopped midway left behind.
#pragma once

#include <QString>

namespace halvern {

// The photograph file of a stored 图片 ("\pic\A1.jpg"), or empty text when the
// value names nothing inside the photograph folder: files elsewhere are never ours to delete.
QString PhotographFile(const QString& stored);

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

// Settles the leftovers of a program stopped midway: a photograph set aside for
// a deletion goes back when a leaver or an employee still names it; every other
// passing file in the program folder and in pic/ is removed. While the
// personnel database cannot be read, set-aside photographs are left alone.
void SettlePhotoLeftovers();

}  // namespace halvern
