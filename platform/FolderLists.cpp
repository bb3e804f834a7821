#include "FolderLists.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStorageInfo>
#include <QStyle>

namespace platform {

namespace {

// Roots of the file system plus media mounted where desktops mount them.
QStringList driveRoots() {
    QStringList roots;
    for (const QFileInfo& fi : QDir::drives()) roots << fi.absoluteFilePath();
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString root = v.rootPath();
        if (!v.isValid() || !v.isReady()) continue;
        if (root.startsWith(QStringLiteral("/media/")) || root.startsWith(QStringLiteral("/mnt/")) ||
            root.startsWith(QStringLiteral("/run/media/")))
            if (!roots.contains(root)) roots << root;
    }
    return roots;
}

}  // namespace

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    for (const QString& root : driveRoots()) addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root, root);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Change(); });
}

bool DriveListBox::SetDrive(const QString& path) {
    const QString abs = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        if ((abs == root || abs.startsWith(prefix) || root == QStringLiteral("/")) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best < 0) return false;
    setCurrentIndex(best);
    return true;
}

DirListBox::DirListBox(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setIndentation(14);
    setItemsExpandable(false);  // the open path and its subfolders always show
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { openItem(item); });
}

bool DirListBox::SetPath(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.isDir()) return false;
    const QString clean = QDir::cleanPath(fi.absoluteFilePath());
    if (clean == path_) return true;
    path_ = clean;
    fill();
    emit Change();
    return true;
}

void DirListBox::fill() {
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The chain from the root down to the open folder, each inside the one before.
    QStringList chain;
    for (QDir d(path_);;) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp()) break;
    }
    QTreeWidgetItem* parent = nullptr;
    for (const QString& p : chain) {
        const QString name = QDir(p).isRoot() ? p : QFileInfo(p).fileName();
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, name);
        item->setIcon(0, open);
        item->setData(0, Qt::UserRole, p);
        item->setExpanded(true);
        parent = item;
    }
    const QDir here(path_);
    for (const QFileInfo& sub : here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, sub.fileName());
        item->setIcon(0, closed);
        item->setData(0, Qt::UserRole, sub.absoluteFilePath());
    }
    expandAll();
    setCurrentItem(parent);
    scrollToItem(parent);
}

void DirListBox::openItem(QTreeWidgetItem* item) {
    if (item) SetPath(item->data(0, Qt::UserRole).toString());
}

void DirListBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        openItem(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(e);
}

}  // namespace platform
