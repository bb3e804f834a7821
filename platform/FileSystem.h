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

#include <vector>

namespace platform {

// The passing name under which destination is written before it is put in place.
QString StagingPath(const QString& destination);
// The name under which a file waits while its deletion is not yet certain.
QString DeletingPath(const QString& file);
// True for a passing name of the two above (a leftover of a program stopped midway).
bool IsLeftoverName(const QString& fileName);
// For a name made by DeletingPath, the file name it stood for; empty otherwise.
QString DeletedFileName(const QString& leftoverName);

// A name that stays one file name inside its folder: '/', '\' and control
// characters become '_', and so does every dot of a name of dots only.
QString SafeFileName(const QString& name);

// Renames from over to, replacing a file of that name in one step.
bool RenameReplacing(const QString& from, const QString& to, QString* why = nullptr);
// Copies source to StagingPath(destination), streamed and flushed to disk.
bool StageCopy(const QString& source, const QString& destination, QString* why = nullptr);
// Copies a file, replacing one of the same name (staged, then renamed into place).
bool CopyFileReplacing(const QString& source, const QString& destination, QString* why = nullptr);
// Makes sure a folder exists (creating missing parents); true when it already did.
bool CreateFolder(const QString& path, QString* why = nullptr);
// Deletes a file; true when it is gone (also when it was never there).
bool DeleteFile(const QString& path, QString* why = nullptr);
// Copies every file directly in sourceDir (not its subfolders, not leftovers) into
// destDir, replacing files of the same name. A missing sourceDir has nothing to
// copy. Returns the files that failed, each as "name（why）".
QStringList CopyFolderFiles(const QString& sourceDir, const QString& destDir);

// True when the file opens as a database with the key (empty key: none) and
// passes the database's own integrity check.
bool CheckDatabaseFile(const QString& file, const QString& key, QString* why = nullptr);
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
    // committed data; it fails when a change is under way on it.
    bool AddDatabase(const QString& source, const QString& destination, const QString& key, QString* why = nullptr);
    // Every file directly in sourceDir but leftovers; returns the failures as "name（why）".
    QStringList AddFolderFiles(const QString& sourceDir, const QString& destDir);

    // Puts every staged file in place. An existing database destination is
    // replaced only while no one uses it, and its rollback journal cannot
    // outlive it; when one is in use, nothing at all is replaced.
    bool Install(QString* why = nullptr);
    // Removes the staged files; nothing is replaced.
    void Discard();
    bool IsEmpty() const { return entries_.empty(); }

private:
    struct Entry {
        QString staged;
        QString destination;
        QString key;
        bool database = false;
    };
    std::vector<Entry> entries_;
};

}  // namespace platform
