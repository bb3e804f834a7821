// Menu items kept under keys in the order they were added.

#include "CMyItemDatas.h"
#include "ErrorNumber.h"
#include "Quillet.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using quillet::CMyItemData;
using quillet::CMyItemDatas;

std::vector<std::string> textsOf(const CMyItemDatas& items)
{
    std::vector<std::string> texts;
    for (const auto& item : items.NewEnum()) texts.push_back(item->sMenuText());
    return texts;
}

CMyItemDatas& fill(CMyItemDatas& items, const std::vector<std::string>& keys)
{
    for (const auto& key : keys) items.Add(key)->sMenuText(key + " text");
    return items;
}

TEST(QuilletItemDatas, ANewItemIsEmptyAndKeepsWhatItIsGiven)
{
    CMyItemDatas items;
    const auto item = items.Add("open");
    EXPECT_FALSE(item->bTrueSub() || item->bAsMark() || item->bAsCheck() || item->bMainMenu());
    EXPECT_EQ(item->iButton(), 0);
    EXPECT_EQ(item->fType(), 0);
    EXPECT_EQ(item->sMenuText(), "");
    EXPECT_EQ(item->sMenuHelp(), "");

    item->bAsCheck(true);
    item->iButton(-3);
    item->fType(0x800);
    item->sMenuText("&Open...");
    item->sMenuHelp(" Opens a file ");
    const auto again = items.Item("open");
    ASSERT_EQ(again, item);
    EXPECT_TRUE(again->bAsCheck());
    EXPECT_FALSE(again->bAsMark());
    EXPECT_EQ(again->iButton(), -3);
    EXPECT_EQ(again->fType(), 0x800);
    EXPECT_EQ(again->sMenuText(), "&Open...");
    EXPECT_EQ(again->sMenuHelp(), " Opens a file ");
}

TEST(QuilletItemDatas, ItemFindsByPositionOrKeyAndOtherwiseYieldsNothingWithoutError)
{
    CMyItemDatas items;
    fill(items, {"open", "save", "1"});
    EXPECT_EQ(items.Item(1)->sMenuText(), "open text");
    EXPECT_EQ(items.Item(3)->sMenuText(), "1 text");
    EXPECT_EQ(items.Item("save")->sMenuText(), "save text");
    EXPECT_EQ(items.Item("1")->sMenuText(), "1 text") << "a text is a key even when it holds digits";

    EXPECT_EQ(items.Item(0), nullptr);
    EXPECT_EQ(items.Item(4), nullptr);
    EXPECT_EQ(items.Item(-1), nullptr);
    EXPECT_EQ(items.Item("close"), nullptr);
    EXPECT_EQ(items.Count(), 3);
}

TEST(QuilletItemDatas, ADuplicateKeyIsRefusedAndTheFirstItemStays)
{
    CMyItemDatas items;
    fill(items, {"open", "save"});
    EXPECT_EQ(errorNumberOf([&] { items.Add("open"); }), vb::DuplicateKey);
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Item("open")->sMenuText(), "open text");
    EXPECT_EQ(textsOf(items), (std::vector<std::string>{"open text", "save text"}));
}

TEST(QuilletItemDatas, RemovingAMissingItemRaisesAndRemovingClosesTheGap)
{
    CMyItemDatas items;
    fill(items, {"open", "save", "close"});
    EXPECT_EQ(errorNumberOf([&] { items.Remove("print"); }), vb::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([&] { items.Remove(4); }), vb::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { items.Remove(0); }), vb::SubscriptOutOfRange);
    EXPECT_EQ(items.Count(), 3);

    items.Remove("save");
    EXPECT_EQ(items.Item(2)->sMenuText(), "close text");
    items.Remove(1);
    EXPECT_EQ(textsOf(items), (std::vector<std::string>{"close text"}));
    EXPECT_EQ(items.Item("open"), nullptr);
}

TEST(QuilletItemDatas, EnumerationVisitsTheItemsInTheOrderTheyWereAdded)
{
    CMyItemDatas items;
    fill(items, {"zeta", "alpha", "mid"});
    EXPECT_EQ(textsOf(items), (std::vector<std::string>{"zeta text", "alpha text", "mid text"}));
    EXPECT_TRUE(textsOf(CMyItemDatas()).empty());
}

TEST(QuilletItemDatas, ItemsAliveKeepTheLibraryLoaded)
{
    std::shared_ptr<CMyItemData> kept;
    {
        CMyItemDatas items;
        kept = items.Add("open");
        EXPECT_EQ(DllCanUnloadNow(), com::S_FALSE);
    }
    EXPECT_EQ(DllCanUnloadNow(), com::S_FALSE) << "the client still holds an item";
    kept.reset();
    EXPECT_EQ(DllCanUnloadNow(), com::S_OK);
}

} // namespace
