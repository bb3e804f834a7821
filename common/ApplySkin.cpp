#include "ApplySkin.h"

#include "platform/Pictures.h"
#include "platform/ProgramDir.h"

namespace halvern {

using namespace platform;

void ApplySkin(QWidget& window, Skin& skin) {
    const QFont font(QStringLiteral("宋体"), 9);
    // A missing picture leaves the standard frame; font and colour still apply.
    const QPixmap caption = LoadPicture(ProgramPath(QStringLiteral("testcaptionbar.gif")));
    const QPixmap borders = LoadPicture(ProgramPath(QStringLiteral("testborders.gif")));
    skin.SetActiveCaptionColor(0xFFFFFF);
    skin.SetActiveCaptionShadowColor(0xCC3333);
    skin.SetInactiveCaptionColor(0);
    skin.SetMenuTextColor(0xFFFFFF);
    skin.SetMenuBackColor(0);
    skin.SetButtonFaceColor(0x8000000F);
    skin.SetCaptionFont(font);
    skin.SetMenuFont(font);
    skin.Attach(&window, caption, borders, 19, 20, 90, 140, 240, 400);
    SetBackColor(&window, 0xCECECE);
}

}  // namespace halvern
