#include "frmloadpic.h"

#include "platform/Input.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "common/ModuleState.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStyle>

namespace halvern {

using namespace platform;

namespace {

void reportUnreadable(const QString& path) {
    MsgBox(QStringLiteral("无法读取图片文件“%1”，请选择其他图片。").arg(QFileInfo(path).fileName()), MsgButtons::OK,
           MsgIcon::Critical, QStringLiteral("提示"));
}

}  // namespace

frmloadpic::frmloadpic() {
    ui.setupUi(this);
    // The home folder stands beside the roots and mounted media.
    const QString home = QDir::homePath();
    if (ui.Drive1->findData(home) < 0 && QDir(home).exists())
        ui.Drive1->addItem(style()->standardIcon(QStyle::SP_DirHomeIcon), home, home);
    connect(ui.Drive1, &DriveListBox::Change, this, &frmloadpic::Drive1_Change);
    connect(ui.Dir1, &DirListBox::Change, this, &frmloadpic::Dir1_Change);
    // A file chosen with the arrow keys is clicked as much as one chosen with the mouse.
    OnItemClick(ui.File1, [this](const QModelIndex&) { File1_Click(); });
    connect(ui.Command1, &QPushButton::clicked, this, &frmloadpic::Command1_Click);
}

void frmloadpic::Form_Load() {
    pathAtOpen_ = Module().PicturePath;
    confirmed_ = false;
    // The lists open in the user's pictures folder, else the home folder.
    QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (start.isEmpty() || !QDir(start).exists()) start = QDir::homePath();
    if (!ui.Dir1->SetPath(start)) ui.Dir1->SetPath(QDir::rootPath());
}

void frmloadpic::Form_Unload(bool& cancel) {
    (void)cancel;
    // Closed without 确定: a file clicked in this opening is not chosen.
    if (!confirmed_) Module().PicturePath = pathAtOpen_;
}

void frmloadpic::Drive1_Change() {
    const QString drive = ui.Drive1->Drive();
    if (drive.isEmpty()) return;
    if (!QFileInfo(drive).isDir() || !QFileInfo(drive).isReadable() || !ui.Dir1->SetPath(drive)) {
        MsgBox(QStringLiteral("无法打开“%1”，请选择其他位置。").arg(drive), MsgButtons::OK, MsgIcon::Critical,
               QStringLiteral("提示"));
        const QSignalBlocker block(ui.Drive1);
        ui.Drive1->setCurrentIndex(qMax(0, ui.Drive1->findData(driveShown_)));
        return;
    }
    driveShown_ = drive;
}

void frmloadpic::Dir1_Change() {
    filePath_ = ui.Dir1->Path();
    // The drive box names the drive of the folder shown, however the folder was reached.
    {
        const QSignalBlocker block(ui.Drive1);
        if (ui.Drive1->SetDrive(filePath_)) driveShown_ = ui.Drive1->Drive();
    }
    fillFiles();
}

void frmloadpic::fillFiles() {
    ui.File1->clear();
    // Without QDir::CaseSensitive the patterns match A.JPG as well as a.jpg.
    const QStringList files =
        QDir(filePath_).entryList(Pattern.split(QLatin1Char(';')), QDir::Files, QDir::Name | QDir::IgnoreCase);
    ui.File1->addItems(files);
}

void frmloadpic::showPreview(const QPixmap& picture) {
    if (picture.isNull()) {
        ui.Image1->clear();
        return;
    }
    ui.Image1->setPixmap(picture.scaled(ui.Image1->size() - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void frmloadpic::File1_Click() {
    QListWidgetItem* item = ui.File1->currentItem();
    if (!item) return;
    const QString path = QDir(filePath_).filePath(item->text());
    const QPixmap picture = LoadPicture(path);
    if (picture.isNull()) {
        // A file that is no picture never becomes the choice.
        showPreview(QPixmap());
        reportUnreadable(path);
        return;
    }
    Module().PicturePath = path;
    showPreview(picture);
}

void frmloadpic::Command1_Click() {
    const QString path = Module().PicturePath;
    const QPixmap picture = LoadPicture(path);
    if (!path.isEmpty() && picture.isNull()) {
        reportUnreadable(path);
        return;
    }
    if (chosen_) chosen_(picture);
    confirmed_ = true;
    Unload();
}

}  // namespace halvern
