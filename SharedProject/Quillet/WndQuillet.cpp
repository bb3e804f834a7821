#include "WndQuillet.h"

#include "mQuillet.h"
#include "platform/GdiShim.h"
#include "platform/VbRuntime.h"

#include <algorithm>

namespace quillet {

namespace {
constexpr std::int32_t kMaxMenuHeads = 32767;
}

WndQuillet::WndQuillet()
{
    hMenuHeads.assign(1, 0);
    mvarilHandle.reset();
    mvarSCMainMenu = 0;
    mvarMainPopedIndex = -1;
    mvarFontSize = 8;
    mvarFullSelect = true;
    mvarComplexChecks = true;
    mvarColorEmbossed = true;
}

WndQuillet::~WndQuillet()
{
    gdi::DeleteObject(mvarMenuFont);
    gdi::DeleteObject(mvarMenuFontSep);
    mvarilHandle.reset();
    mvarHelpObj.reset();
}

void WndQuillet::hWnd(std::int32_t vData) { mvarhWnd = vData; }
std::int32_t WndQuillet::hWnd() const { return mvarhWnd; }

void WndQuillet::PrevProc(std::int32_t vData) { mvarPrevProc = vData; }
std::int32_t WndQuillet::PrevProc() const { return mvarPrevProc; }

std::int32_t WndQuillet::CountMenuHeads() const { return static_cast<std::int32_t>(hMenuHeads.size()) - 1; }

void WndQuillet::AddMenuHead(std::int32_t hMenu)
{
    // The closing 0 takes part in the comparison, so 0 is never added.
    if (std::find(hMenuHeads.begin(), hMenuHeads.end(), hMenu) != hMenuHeads.end()) return;
    if (CountMenuHeads() >= kMaxMenuHeads) throw vb::VbError(vb::Overflow);
    hMenuHeads.back() = hMenu;
    hMenuHeads.push_back(0);
}

std::int32_t WndQuillet::GetMenuHead(std::int32_t HeadIndex) const
{
    if (HeadIndex > CountMenuHeads()) return 0;
    if (HeadIndex < 0) throw vb::VbError(vb::SubscriptOutOfRange);
    return hMenuHeads[static_cast<std::size_t>(HeadIndex)];
}

void WndQuillet::ilHandle(std::shared_ptr<void> vData) { mvarilHandle = std::move(vData); }
std::shared_ptr<void> WndQuillet::ilHandle() const { return mvarilHandle; }

void WndQuillet::HelpObj(std::shared_ptr<HelpCallBack> vData) { mvarHelpObj = std::move(vData); }
std::shared_ptr<HelpCallBack> WndQuillet::HelpObj() const { return mvarHelpObj; }

void WndQuillet::ComplexChecks(bool vData) { mvarComplexChecks = vData; }
bool WndQuillet::ComplexChecks() const { return mvarComplexChecks; }

void WndQuillet::ColorEmbossed(bool vData) { mvarColorEmbossed = vData; }
bool WndQuillet::ColorEmbossed() const { return mvarColorEmbossed; }

void WndQuillet::SelectColor(std::int32_t vData) { mvarSelectColor = vData; }
std::int32_t WndQuillet::SelectColor() const { return mvarSelectColor; }

void WndQuillet::FullSelect(bool vData) { mvarFullSelect = vData; }
bool WndQuillet::FullSelect() const { return mvarFullSelect; }

void WndQuillet::FontSize(std::int32_t vData)
{
    mvarFontSize = vData;
    mQuillet::BuildMenuFont(mvarhWnd, true);
}
std::int32_t WndQuillet::FontSize() const { return mvarFontSize; }

void WndQuillet::ForeColor(std::int32_t vData) { mvarForeColor = vData; }
std::int32_t WndQuillet::ForeColor() const { return mvarForeColor; }

void WndQuillet::FontName(const std::string& vData)
{
    mvarFontName = vData;
    mQuillet::BuildMenuFont(mvarhWnd, true);
}
const std::string& WndQuillet::FontName() const { return mvarFontName; }

void WndQuillet::MainPopedIndex(const std::string& vData) { mvarMainPopedIndex = vb::CInt(vData); }
std::string WndQuillet::MainPopedIndex() const { return std::to_string(mvarMainPopedIndex); }

void WndQuillet::MenuFont(std::int32_t vData) { mvarMenuFont = vData; }
std::int32_t WndQuillet::MenuFont() const { return mvarMenuFont; }

void WndQuillet::MenuFontSep(std::int32_t vData) { mvarMenuFontSep = vData; }
std::int32_t WndQuillet::MenuFontSep() const { return mvarMenuFontSep; }

void WndQuillet::SCMainMenu(std::int32_t vData) { mvarSCMainMenu = vData; }
std::int32_t WndQuillet::SCMainMenu() const { return mvarSCMainMenu; }

} // namespace quillet
