#pragma once

#include "platform/Skin.h"

#include <QWidget>

namespace halvern {

// Gives a window the program's skin: font "宋体" 9 pt, the caption and border
// pictures of the program directory, and the light grey back colour.
void ApplySkin(QWidget& window, platform::Skin& skin);

}  // namespace halvern
