#include "platform/GdiShim.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <mutex>

namespace gdi {
namespace {

struct OpenContext {
    HWND window;
    DeviceContext description;
};

struct State {
    std::mutex mutex;
    // False until a description is set or the desktop's has been read.
    bool described = false;
    std::optional<DeviceContext> display;
    std::map<HDC, OpenContext> contexts;
    std::map<HFONT, LOGFONTA> fonts;
    std::int32_t lastHandle = 0x100;
};

State& state()
{
    static State s;
    return s;
}

HDC openContext(HWND hWnd)
{
    auto& s = state();
    std::lock_guard lock(s.mutex);
    if (!s.described) {
        s.display = desktopDeviceContext();
        s.described = true;
    }
    if (!s.display) return 0;
    const HDC hDC = ++s.lastHandle;
    s.contexts.emplace(hDC, OpenContext{hWnd, *s.display});
    return hDC;
}

// Runs read on the context's description under the lock; fallback for an unknown handle.
template <class Result, class Read>
Result withContext(HDC hDC, Result fallback, Read read)
{
    auto& s = state();
    std::lock_guard lock(s.mutex);
    const auto found = s.contexts.find(hDC);
    if (found == s.contexts.end()) return fallback;
    return read(found->second.description);
}

} // namespace

void setDeviceContext(std::optional<DeviceContext> description)
{
    auto& s = state();
    std::lock_guard lock(s.mutex);
    s.display = std::move(description);
    s.described = true;
}

HDC GetWindowDC(HWND hWnd) { return openContext(hWnd); }

HDC GetDC(HWND hWnd) { return openContext(hWnd); }

int ReleaseDC(HWND hWnd, HDC hDC)
{
    auto& s = state();
    std::lock_guard lock(s.mutex);
    const auto found = s.contexts.find(hDC);
    if (found == s.contexts.end() || found->second.window != hWnd) return 0;
    s.contexts.erase(found);
    return 1;
}

int GetDeviceCaps(HDC hDC, int index)
{
    return withContext(hDC, 0, [&](const DeviceContext& dc) { return index == LOGPIXELSY ? dc.logPixelsY : 0; });
}

int MulDiv(int a, int b, int c)
{
    if (c == 0) return -1;
    const long long product = static_cast<long long>(a) * b;
    long long quotient = product / c;
    const long long remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<long long>(c)))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min()) return -1;
    return static_cast<int>(quotient);
}

int GetTextFaceA(HDC hDC, int count, char* faceName)
{
    return withContext(hDC, 0, [&](const DeviceContext& dc) {
        const int length = static_cast<int>(dc.faceName.size());
        if (!faceName) return length + 1;
        if (count <= 0) return 0;
        const int copied = std::min(length, count - 1);
        std::memcpy(faceName, dc.faceName.data(), static_cast<std::size_t>(copied));
        faceName[copied] = '\0';
        return copied;
    });
}

COLORREF GetTextColor(HDC hDC)
{
    return withContext(hDC, COLORREF{0}, [](const DeviceContext& dc) { return dc.textColor; });
}

BOOL GetTextMetricsA(HDC hDC, TEXTMETRICA* metrics)
{
    if (!metrics) return 0;
    return withContext(hDC, BOOL{0}, [&](const DeviceContext& dc) {
        *metrics = dc.metrics;
        return BOOL{1};
    });
}

HFONT CreateFontIndirectA(const LOGFONTA* font)
{
    if (!font) return 0;
    auto& s = state();
    std::lock_guard lock(s.mutex);
    const HFONT handle = ++s.lastHandle;
    s.fonts.emplace(handle, *font);
    return handle;
}

BOOL DeleteObject(HGDIOBJ object)
{
    auto& s = state();
    std::lock_guard lock(s.mutex);
    return s.fonts.erase(object) ? 1 : 0;
}

std::optional<LOGFONTA> fontOf(HFONT font)
{
    auto& s = state();
    std::lock_guard lock(s.mutex);
    const auto found = s.fonts.find(font);
    if (found == s.fonts.end()) return std::nullopt;
    return found->second;
}

std::string faceNameOf(const LOGFONTA& font)
{
    return std::string(font.lfFaceName, std::find(font.lfFaceName, font.lfFaceName + LF_FACESIZE, '\0'));
}

int liveFontCount()
{
    auto& s = state();
    std::lock_guard lock(s.mutex);
    return static_cast<int>(s.fonts.size());
}

int openDeviceContextCount()
{
    auto& s = state();
    std::lock_guard lock(s.mutex);
    return static_cast<int>(s.contexts.size());
}

} // namespace gdi
