#pragma once

// The menu state of one owner-drawn window: handles, display options,
// colours, fonts, the image list and the help callback. Apart from the menu
// heads and the font rebuild on FontSize and FontName, every property is
// stored and read back only. The record owns the two font handles.

#include "HelpCallBack.h"
#include "platform/ServerModule.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quillet {

class WndQuillet {
public:
    WndQuillet();
    WndQuillet(const WndQuillet&) = delete;
    WndQuillet& operator=(const WndQuillet&) = delete;
    ~WndQuillet();

    void hWnd(std::int32_t vData);
    std::int32_t hWnd() const;

    void PrevProc(std::int32_t vData);
    std::int32_t PrevProc() const;

    // The number of menu heads held.
    std::int32_t CountMenuHeads() const;
    // Adds hMenu behind the heads held unless it is held already; 0 is never added.
    // Overflow beyond 32767 heads.
    void AddMenuHead(std::int32_t hMenu);
    // 0 beyond the heads held; SubscriptOutOfRange for a negative position.
    std::int32_t GetMenuHead(std::int32_t HeadIndex) const;

    void ilHandle(std::shared_ptr<void> vData);
    std::shared_ptr<void> ilHandle() const;

    void HelpObj(std::shared_ptr<HelpCallBack> vData);
    std::shared_ptr<HelpCallBack> HelpObj() const;

    void ComplexChecks(bool vData);
    bool ComplexChecks() const;

    void ColorEmbossed(bool vData);
    bool ColorEmbossed() const;

    void SelectColor(std::int32_t vData);
    std::int32_t SelectColor() const;

    void FullSelect(bool vData);
    bool FullSelect() const;

    // Stores the size in points, then rebuilds the menu font; the size stays stored when the rebuild fails.
    void FontSize(std::int32_t vData);
    std::int32_t FontSize() const;

    void ForeColor(std::int32_t vData);
    std::int32_t ForeColor() const;

    // Stores the face name, then rebuilds the menu font; the name stays stored when the rebuild fails.
    void FontName(const std::string& vData);
    const std::string& FontName() const;

    // Text outside, Integer inside: TypeMismatch for a text that is no number and
    // Overflow outside -32768..32767, the stored value then unchanged.
    void MainPopedIndex(const std::string& vData);
    std::string MainPopedIndex() const;

    void MenuFont(std::int32_t vData);
    std::int32_t MenuFont() const;

    void MenuFontSep(std::int32_t vData);
    std::int32_t MenuFontSep() const;

    void SCMainMenu(std::int32_t vData);
    std::int32_t SCMainMenu() const;

private:
    std::int32_t mvarhWnd = 0;
    std::int32_t mvarPrevProc = 0;
    // The heads in the order added, closed by one element 0.
    std::vector<std::int32_t> hMenuHeads;
    std::shared_ptr<void> mvarilHandle;
    std::shared_ptr<HelpCallBack> mvarHelpObj;
    bool mvarComplexChecks = false;
    bool mvarColorEmbossed = false;
    std::int32_t mvarSelectColor = 0;
    bool mvarFullSelect = false;
    std::int32_t mvarFontSize = 0;
    std::int32_t mvarForeColor = 0;
    std::string mvarFontName;
    std::int16_t mvarMainPopedIndex = 0;
    std::int32_t mvarMenuFont = 0;
    std::int32_t mvarMenuFontSep = 0;
    std::int32_t mvarSCMainMenu = 0;
    com::LiveObject live_;
};

} // namespace quillet
