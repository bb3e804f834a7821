#pragma once

// One item of an owner-drawn menu. Every property is stored as given and
// read back unchanged; what the flags mean is the drawing layer's business.

#include "platform/ServerModule.h"

#include <cstdint>
#include <string>

namespace quillet {

class CMyItemData {
public:
    CMyItemData();
    CMyItemData(const CMyItemData&) = delete;
    CMyItemData& operator=(const CMyItemData&) = delete;
    ~CMyItemData();

    void bTrueSub(bool vData);
    bool bTrueSub() const;

    void sMenuHelp(const std::string& vData);
    const std::string& sMenuHelp() const;

    void bAsMark(bool vData);
    bool bAsMark() const;

    void bAsCheck(bool vData);
    bool bAsCheck() const;

    void bMainMenu(bool vData);
    bool bMainMenu() const;

    /// Indexe de l'image
    void iButton(std::int16_t vData);
    std::int16_t iButton() const;

    /// Type d'élément (item type) original
    void fType(std::int32_t vData);
    std::int32_t fType() const;

    /// Le texte du menu
    void sMenuText(const std::string& vData);
    const std::string& sMenuText() const;

private:
    bool mvarbTrueSub = false;
    std::string mvarsMenuHelp;
    bool mvarbAsMark = false;
    bool mvarbAsCheck = false;
    bool mvarbMainMenu = false;
    std::int16_t mvariButton = 0;
    std::int32_t mvarfType = 0;
    std::string mvarsMenuText;
    com::LiveObject live_;
};

} // namespace quillet
