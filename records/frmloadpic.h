#pragma once

#include "frmloadpicUi.h"
#include "platform/WindowHost.h"

#include <functional>

namespace halvern {

// Photograph picker: browse to a picture file, preview it, and on 确定 hand its
// picture to the window that opened it (PictureCaller names it: "lr" the entry
// window, "mod" the modify window). The file itself is handed over by its path
// in PicturePath; the opener copies it when it saves.
class frmloadpic : public platform::Form {
public:
    frmloadpic();
    QString FormName() const override { return QStringLiteral("frmloadpic"); }
    frmloadpicUi ui;

    // What receives the picture of the file chosen with 确定 (an empty picture when none is chosen).
    void Open(std::function<void(const QPixmap&)> chosen) { chosen_ = std::move(chosen); }

    // The file list's pattern: four patterns, matched regardless of case.
    static inline const QString Pattern = QStringLiteral("*.bmp;*.jpg;*.ico;*.gif");

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();  // 确定

    // The folder the file list shows.
    QString FilePath() const { return filePath_; }

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void fillFiles();
    void showPreview(const QPixmap& picture);

    QString filePath_;
    QString driveShown_;
    QString pathAtOpen_;  // PicturePath when the picker opened
    bool confirmed_ = false;
    std::function<void(const QPixmap&)> chosen_;
};

}  // namespace halvern
