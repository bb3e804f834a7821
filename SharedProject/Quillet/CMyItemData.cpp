#include "CMyItemData.h"

namespace quillet {

CMyItemData::CMyItemData() = default;
CMyItemData::~CMyItemData() = default;

void CMyItemData::bTrueSub(bool vData) { mvarbTrueSub = vData; }
bool CMyItemData::bTrueSub() const { return mvarbTrueSub; }

void CMyItemData::sMenuHelp(const std::string& vData) { mvarsMenuHelp = vData; }
const std::string& CMyItemData::sMenuHelp() const { return mvarsMenuHelp; }

void CMyItemData::bAsMark(bool vData) { mvarbAsMark = vData; }
bool CMyItemData::bAsMark() const { return mvarbAsMark; }

void CMyItemData::bAsCheck(bool vData) { mvarbAsCheck = vData; }
bool CMyItemData::bAsCheck() const { return mvarbAsCheck; }

void CMyItemData::bMainMenu(bool vData) { mvarbMainMenu = vData; }
bool CMyItemData::bMainMenu() const { return mvarbMainMenu; }

void CMyItemData::iButton(std::int16_t vData) { mvariButton = vData; }
std::int16_t CMyItemData::iButton() const { return mvariButton; }

void CMyItemData::fType(std::int32_t vData) { mvarfType = vData; }
std::int32_t CMyItemData::fType() const { return mvarfType; }

void CMyItemData::sMenuText(const std::string& vData) { mvarsMenuText = vData; }
const std::string& CMyItemData::sMenuText() const { return mvarsMenuText; }

} // namespace quillet
