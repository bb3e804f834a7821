#pragma once

// The device-context and font functions the menu-font builder calls, over a
// description of the display: the desktop's own, unless the host or a test
// sets another. Handles are the 32-bit values the library's records store.

#include <cstdint>
#include <optional>
#include <string>

namespace gdi {

using HWND = std::int32_t;
using HDC = std::int32_t;
using HGDIOBJ = std::int32_t;
using HFONT = HGDIOBJ;
using COLORREF = std::uint32_t;
using BOOL = std::int32_t;
using BYTE = std::uint8_t;
using LONG = std::int32_t;

inline constexpr int LOGPIXELSY = 90;
inline constexpr int LF_FACESIZE = 32;

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};

// What a device context of any window reports.
struct DeviceContext {
    int logPixelsY = 96;
    std::string faceName;
    COLORREF textColor = 0;
    TEXTMETRICA metrics{};
};

// The device context of the desktop the process runs on, read afresh from its
// font configuration: the default sans-serif face at its default size, with
// the face's real metrics and weight and black text, at the resolution the
// configuration names (96 dots per inch when it names none). Empty when the
// configuration cannot be read or offers no font.
std::optional<DeviceContext> desktopDeviceContext();

// What GetDC and GetWindowDC describe from now on; without a description there
// is no display and they fail. Until the first call, the desktop's context,
// read when a context is first asked for.
void setDeviceContext(std::optional<DeviceContext> description);

HDC GetWindowDC(HWND hWnd);
HDC GetDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);
int GetDeviceCaps(HDC hDC, int index);
// a * b / c rounded half away from zero; -1 when c is 0 or the result overflows.
int MulDiv(int a, int b, int c);
// Copies the face name, cut to count - 1 characters, with a closing NUL; returns the
// characters copied without the NUL (with no buffer: the size needed, NUL included).
int GetTextFaceA(HDC hDC, int count, char* faceName);
COLORREF GetTextColor(HDC hDC);
BOOL GetTextMetricsA(HDC hDC, TEXTMETRICA* metrics);
HFONT CreateFontIndirectA(const LOGFONTA* font);
BOOL DeleteObject(HGDIOBJ object);

// Inspection: the description a font was created from, and what is still held.
std::optional<LOGFONTA> fontOf(HFONT font);
std::string faceNameOf(const LOGFONTA& font);
int liveFontCount();
int openDeviceContextCount();

} // namespace gdi
