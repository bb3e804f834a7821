#pragma once

namespace platform {

// Makes the font names the windows ask for ("宋体", "楷体_GB2312") resolve to
// the installed AR PL UMing and AR PL UKai families, and sets the program's font.
void RegisterFontSubstitutions();

}  // namespace platform
