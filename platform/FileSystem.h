// Copying files and folders for backup and restore. Every call reports whether
// it succeeded and, when not, why in Chinese (with the system's own reason), so a
// caller can go on with its next step and still tell the user what was not done.
//
// A file is never written in place: it is written under a passing name beside
// its place (".NAME.part"), flushed to disk, and renamed over the old file in
// one step. A program stopped midway leaves at most such passing files behind,
// which the start-up removes and no copy ever takes along.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace platform {

// The passing name under which destination is written before it is put in place.
QString StagingPath(const QString& destination);
// The name under which a file waits while its deletion is not yet certain.
QString DeletingPath(const QString& file);
// The journal of a staged set named `name` in folder ("." + name + ".journal").
QString JournalPath(const QString& folder, const QString& name);
// True for a passing name of the three above (a leftover of a program stopped midway).
bool IsLeftoverName(const QString& fileName);
// True for a journal's name.
bool IsJournalName(const QString& fileName);
// For a name made by DeletingPath, the file name it stood for; empty otherwise.
QString DeletedFileName(const QString& leftoverName);

// The file name of a text, one name inside its folder that no other text gets:
// '%' (the escape), '/', '\' and control characters are written as '%' and two
// hex digits, a lone surrogate as "%u" and four, and so are the dots of a name
// of dots only and the leading dot of a name shaped like a passing name. Every
// other text keeps its name as it stands.
QString SafeFileName(const QString& name);

// Renames from over to, replacing a file of that name in one step.
bool RenameReplacing(const QString& from, const QString& to, QString* why = nullptr);

// Whether a copy may take the file a symbolic link names (a photograph the user
// picked) or takes regular files of their own only (a backup set, which would
// otherwise carry any file the user can read into the program's folder).
enum class Links { Follow, Refuse };
// An entry of a folder that is neither a regular file nor a folder of its own:
// a symbolic link (to whatever, or to nothing), a pipe, a socket or a device.
struct NotAFile {
    QString name;
    QString what;  // in words, with where a link points
};
// Every such entry directly in folder, by name; the folder copies below pass them over.
std::vector<NotAFile> NonFileEntries(const QString& folder);

// Copies source to StagingPath(destination), streamed and flushed to disk; only
// a regular file is copied, and with Links::Refuse only one that is no link.
bool StageCopy(const QString& source, const QString& destination, QString* why = nullptr,
               Links links = Links::Follow);
// Copies a file, replacing one of the same name (staged, then renamed into place).
bool CopyFileReplacing(const QString& source, const QString& destination, QString* why = nullptr);
// Makes sure a folder exists (creating missing parents); true when it already did.
bool CreateFolder(const QString& path, QString* why = nullptr);
// Deletes a file; true when it is gone (also when it was never there).
bool DeleteFile(const QString& path, QString* why = nullptr);
// Copies every regular file directly in sourceDir (not its subfolders, not
// leftovers, not links: NonFileEntries) into destDir, replacing files of the same
// name. A missing sourceDir has nothing to copy. Returns the files that failed,
// each as "name（why）".
QStringList CopyFolderFiles(const QString& sourceDir, const QString& destDir);

// True when the file, a regular file and no link, opens as a database with the key (empty key: none),
// passes the database's own integrity check and, when a schema is given (a
// script of CREATE statements), holds every table and column it makes; why
// names what is wrong or missing.
bool CheckDatabaseFile(const QString& file, const QString& key, QString* why = nullptr);
bool CheckDatabaseFile(const QString& file, const QString& key, const QString& schema, QString* why);
// Copies a database file as one consistent whole (see StagedFiles::AddDatabase).
bool CopyDatabaseFile(const QString& source, const QString& destination, const QString& key,
                      QString* why = nullptr);

// Files copied beside their places first and put in place together afterwards,
// so a copy that fails midway replaces nothing. What was staged and not
// installed is removed when the object goes.
class StagedFiles {
public:
    StagedFiles() = default;
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    bool AddFile(const QString& source, const QString& destination, QString* why = nullptr);
    // A database is read while no one may change it, so the copy holds only
    // committed data; it fails when a change is under way on it, or when the
    // source is a link or no regular file.
    bool AddDatabase(const QString& source, const QString& destination, const QString& key, QString* why = nullptr);
    // Every regular file directly in sourceDir but leftovers (links refused, see
    // CopyFolderFiles); returns the failures as "name（why）".
    QStringList AddFolderFiles(const QString& sourceDir, const QString& destDir);

    // Records the staged files in `journal` (a JournalPath), flushed to disk,
    // with a note for whoever settles the set after a program stopped midway.
    // From here on the set is finished from the journal at the next start
    // (FinishStagedSet) unless this object installs or discards it first.
    bool Record(const QString& journal, const QString& note = {}, QString* why = nullptr);

    // Puts every staged file in place, then removes the journal. An existing
    // database destination is replaced only while no one uses it, and its
    // rollback journal cannot outlive it; when one is in use, nothing at all
    // is replaced.
    bool Install(QString* why = nullptr);
    // Removes the staged files and the journal; nothing is replaced.
    void Discard();
    bool IsEmpty() const { return entries_.empty(); }

private:
    bool addFile(const QString& source, const QString& destination, Links links, QString* why);

    struct Entry {
        QString staged;
        QString destination;
        QString key;
        bool database = false;
    };
    std::vector<Entry> entries_;
    QString journal_;
};

// The note a journal was recorded with; nothing when there is no readable journal.
std::optional<QString> JournalNote(const QString& journal);
// Finishes the set a journal records: every staged file still there is put in
// place (a database destination loses its rollback journal first, which
// belongs to the file being replaced), then the journal goes. A journal names
// only files inside its own folder, each staged under its passing name beside
// it; one that names any other file (a set from elsewhere, made by hand) stands
// for nothing, and it goes without a file being moved.
bool FinishStagedSet(const QString& journal, QString* why = nullptr);
// Drops the set a journal records: its staged files and the journal go (the
// same journals as above stand for nothing).
void DropStagedSet(const QString& journal);

// A folder held by this process: an advisory lock on the folder itself, which
// needs no file and no free space, and which the system releases with the
// process that holds it, however it ends.
class FolderLock {
public:
    enum class Result { Held, HeldByAnother, Failed };
    FolderLock() = default;
    ~FolderLock() { Release(); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the folder, letting go of any other one held before; why says
    // what stood in the way when the result is Failed.
    Result Acquire(const QString& folder, QString* why = nullptr);
    void Release();
    // The folder held, empty when none.
    const QString& Folder() const { return folder_; }

private:
    int fd_ = -1;
    QString folder_;
};

}  // namespace platform
