// The drive list and the folder list of the backup and restore windows. The
// drive list offers the file-system roots (and mounted removable media); the
// folder list shows the open folder's path from the root and its subfolders,
// and a double-click (or Enter) opens the folder under the cursor.
#pragma once

#include <QComboBox>
#include <QTreeWidget>

namespace platform {

class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget* parent = nullptr);
    QString Drive() const { return currentData().toString(); }
    // Selects the drive holding the path; false when none does.
    bool SetDrive(const QString& path);

signals:
    void Change();
};

class DirListBox : public QTreeWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget* parent = nullptr);
    // The open folder, without a trailing separator except at a root ("/").
    QString Path() const { return path_; }
    // Opens a folder; false (and nothing changes) when it does not exist.
    bool SetPath(const QString& path);

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void fill();
    void openItem(QTreeWidgetItem* item);
    QString path_;
};

}  // namespace platform
