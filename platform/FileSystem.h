// Copying files and folders for backup and restore. Every call reports whether
// it succeeded and, when not, why in Chinese, so a caller can go on with its
// next step and still tell the user what was not done.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Copies a file, replacing one of the same name. The new file is written beside
// the destination and renamed into place, so a failure never leaves half a file.
bool CopyFileReplacing(const QString& source, const QString& destination, QString* why = nullptr);
// Makes sure a folder exists (creating missing parents); true when it already did.
bool CreateFolder(const QString& path, QString* why = nullptr);
// Deletes a file; true when it is gone (also when it was never there).
bool DeleteFile(const QString& path, QString* why = nullptr);
// Copies every file directly in sourceDir (not its subfolders) into destDir,
// replacing files of the same name. A missing sourceDir has nothing to copy.
// Returns the files that failed, each as "name（why）".
QStringList CopyFolderFiles(const QString& sourceDir, const QString& destDir);

// True when the file opens as a database with the key (empty key: none).
bool CheckDatabaseFile(const QString& file, const QString& key, QString* why = nullptr);
// Copies a database file as one consistent whole. The source is read while no
// one may change it, so the copy holds only committed data; it fails when a
// transaction is open on it. An existing destination is replaced only while no
// one uses it, and its rollback journal cannot outlive it.
bool CopyDatabaseFile(const QString& source, const QString& destination, const QString& key,
                      QString* why = nullptr);

}  // namespace platform
