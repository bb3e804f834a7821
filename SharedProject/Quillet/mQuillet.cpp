#include "mQuillet.h"

#include "platform/GdiShim.h"
#include "platform/VbRuntime.h"

#include <algorithm>
#include <string>

namespace quillet::mQuillet {
namespace {

constexpr gdi::LONG kNormalWeight = 400;
constexpr int kFaceBufferLength = 255;

[[noreturn]] void platformCallFailed(const char* call, std::int32_t hWnd)
{
    throw vb::VbError(vb::InvalidProcedureCall, vb::errorDescription(vb::InvalidProcedureCall) + "：窗口 "
                                                    + std::to_string(hWnd) + " 的 " + call + " 调用失败");
}

// A device context of the window, released however the build ends.
class DeviceContextLease {
public:
    DeviceContextLease(std::int32_t hWnd, gdi::HDC hDC, const char* call) : hWnd_(hWnd), hDC_(hDC)
    {
        if (!hDC_) platformCallFailed(call, hWnd);
    }
    DeviceContextLease(const DeviceContextLease&) = delete;
    DeviceContextLease& operator=(const DeviceContextLease&) = delete;
    ~DeviceContextLease() { gdi::ReleaseDC(hWnd_, hDC_); }

    gdi::HDC get() const { return hDC_; }

private:
    std::int32_t hWnd_;
    gdi::HDC hDC_;
};

} // namespace

vb::Collection<WndQuillet>& colMenuWindows()
{
    thread_local vb::Collection<WndQuillet> windows;
    return windows;
}

std::int32_t BuildMenuFont(std::int32_t hWnd, bool bRebuild)
{
    const auto record = colMenuWindows().Item(std::to_string(hWnd));
    if (!bRebuild && record->MenuFont() != 0) return record->MenuFont();

    gdi::LONG height = 0;
    gdi::LONG weight = 0;
    if (!record->FontName().empty()) {
        weight = kNormalWeight;
        const DeviceContextLease dc(hWnd, gdi::GetWindowDC(hWnd), "GetWindowDC");
        // Negative: asks for a character height, not a cell height, of FontSize points.
        height = -gdi::MulDiv(record->FontSize(), gdi::GetDeviceCaps(dc.get(), gdi::LOGPIXELSY), 72);
    } else {
        const DeviceContextLease dc(hWnd, gdi::GetDC(hWnd), "GetDC");
        std::string face(kFaceBufferLength, ' ');
        const int length = gdi::GetTextFaceA(dc.get(), kFaceBufferLength, face.data());
        // An empty face would send the rebuild the setter starts straight back here.
        if (length <= 0) platformCallFailed("GetTextFaceA", hWnd);
        record->FontName(face.substr(0, static_cast<std::size_t>(length)));
        if (record->ForeColor() == 0) record->ForeColor(static_cast<std::int32_t>(gdi::GetTextColor(dc.get())));
        gdi::TEXTMETRICA metrics{};
        if (!gdi::GetTextMetricsA(dc.get(), &metrics)) platformCallFailed("GetTextMetricsA", hWnd);
        height = metrics.tmHeight;
        weight = metrics.tmWeight;
    }

    gdi::LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    // The face closed by NUL, blank-padded to the field's width (a longer name is cut).
    std::string field = record->FontName() + '\0';
    field.resize(gdi::LF_FACESIZE, ' ');
    std::copy(field.begin(), field.end(), font.lfFaceName);

    const gdi::HFONT created = gdi::CreateFontIndirectA(&font);
    if (!created) platformCallFailed("CreateFontIndirectA", hWnd);
    // The record owns its menu font, so the one replaced here would otherwise never be freed.
    const std::int32_t replaced = record->MenuFont();
    record->MenuFont(created);
    if (replaced != 0 && replaced != created) gdi::DeleteObject(replaced);
    return record->MenuFont();
}

} // namespace quillet::mQuillet
