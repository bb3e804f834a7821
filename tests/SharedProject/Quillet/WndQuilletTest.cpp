// The menu state of one window: creation values, menu heads and the
// text-typed popup index.

#include "ErrorNumber.h"
#include "WndQuillet.h"
#include "platform/GdiShim.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using quillet::HelpCallBack;
using quillet::WndQuillet;

TEST(QuilletWindowState, ANewRecordHoldsItsCreationValues)
{
    WndQuillet wnd;
    EXPECT_EQ(wnd.hWnd(), 0);
    EXPECT_EQ(wnd.PrevProc(), 0);
    EXPECT_EQ(wnd.CountMenuHeads(), 0);
    EXPECT_EQ(wnd.GetMenuHead(0), 0);
    EXPECT_EQ(wnd.ilHandle(), nullptr);
    EXPECT_EQ(wnd.HelpObj(), nullptr);
    EXPECT_TRUE(wnd.ComplexChecks());
    EXPECT_TRUE(wnd.ColorEmbossed());
    EXPECT_TRUE(wnd.FullSelect());
    EXPECT_EQ(wnd.SelectColor(), 0);
    EXPECT_EQ(wnd.FontSize(), 8);
    EXPECT_EQ(wnd.ForeColor(), 0);
    EXPECT_EQ(wnd.FontName(), "");
    EXPECT_EQ(wnd.MainPopedIndex(), "-1");
    EXPECT_EQ(wnd.MenuFont(), 0);
    EXPECT_EQ(wnd.MenuFontSep(), 0);
    EXPECT_EQ(wnd.SCMainMenu(), 0);
}

TEST(QuilletWindowState, MenuHeadsKeepTheirOrderAreHeldOnceAndEndInZero)
{
    WndQuillet wnd;
    constexpr std::int32_t a = 0x1A2B;
    constexpr std::int32_t b = -77;
    wnd.AddMenuHead(a);
    wnd.AddMenuHead(b);
    wnd.AddMenuHead(a);
    wnd.AddMenuHead(0);
    EXPECT_EQ(wnd.CountMenuHeads(), 2);
    EXPECT_EQ(wnd.GetMenuHead(0), a);
    EXPECT_EQ(wnd.GetMenuHead(1), b);
    EXPECT_EQ(wnd.GetMenuHead(2), 0);
    EXPECT_EQ(wnd.GetMenuHead(3), 0);
    EXPECT_EQ(wnd.GetMenuHead(1000000), 0);
    EXPECT_EQ(errorNumberOf([&] { wnd.GetMenuHead(-1); }), vb::SubscriptOutOfRange);
}

TEST(QuilletWindowState, NoMoreThan32767MenuHeadsAreHeld)
{
    WndQuillet wnd;
    for (std::int32_t h = 1; h <= 32767; ++h) wnd.AddMenuHead(h);
    EXPECT_EQ(wnd.CountMenuHeads(), 32767);
    EXPECT_EQ(errorNumberOf([&] { wnd.AddMenuHead(40000); }), vb::Overflow);
    EXPECT_EQ(wnd.CountMenuHeads(), 32767);
    EXPECT_EQ(wnd.GetMenuHead(32767), 0);
    EXPECT_EQ(errorNumberOf([&] { wnd.AddMenuHead(500); }), 0) << "a head already held changes nothing";
}

TEST(QuilletWindowState, MainPopedIndexTakesNumbersInIntegerRangeAndKeepsItsValueOtherwise)
{
    WndQuillet wnd;
    wnd.MainPopedIndex(" 12 ");
    EXPECT_EQ(wnd.MainPopedIndex(), "12");
    wnd.MainPopedIndex("2.5");
    EXPECT_EQ(wnd.MainPopedIndex(), "2") << "halves round to even";
    wnd.MainPopedIndex("3.5");
    EXPECT_EQ(wnd.MainPopedIndex(), "4");
    wnd.MainPopedIndex("-32768");
    EXPECT_EQ(wnd.MainPopedIndex(), "-32768");
    wnd.MainPopedIndex("32767");
    EXPECT_EQ(wnd.MainPopedIndex(), "32767");

    EXPECT_EQ(errorNumberOf([&] { wnd.MainPopedIndex("32768"); }), vb::Overflow);
    EXPECT_EQ(errorNumberOf([&] { wnd.MainPopedIndex("-32769"); }), vb::Overflow);
    EXPECT_EQ(errorNumberOf([&] { wnd.MainPopedIndex("abc"); }), vb::TypeMismatch);
    EXPECT_EQ(errorNumberOf([&] { wnd.MainPopedIndex(""); }), vb::TypeMismatch);
    EXPECT_EQ(errorNumberOf([&] { wnd.MainPopedIndex("12abc"); }), vb::TypeMismatch);
    EXPECT_EQ(errorNumberOf([&] { wnd.MainPopedIndex("inf"); }), vb::TypeMismatch);
    EXPECT_EQ(wnd.MainPopedIndex(), "32767");
}

TEST(QuilletWindowState, MainPopedIndexTakesHexadecimalAndOctalTextAndTabsAroundTheNumber)
{
    WndQuillet wnd;
    wnd.MainPopedIndex("&H10");
    EXPECT_EQ(wnd.MainPopedIndex(), "16");
    wnd.MainPopedIndex("&O17");
    EXPECT_EQ(wnd.MainPopedIndex(), "15");
    wnd.MainPopedIndex("\t &h7fFF\t ");
    EXPECT_EQ(wnd.MainPopedIndex(), "32767");
    wnd.MainPopedIndex("&HFFFF");
    EXPECT_EQ(wnd.MainPopedIndex(), "-1") << "four hexadecimal digits are an Integer in two's complement";
    wnd.MainPopedIndex("&HFFFF8000");
    EXPECT_EQ(wnd.MainPopedIndex(), "-32768") << "eight are a Long";
    wnd.MainPopedIndex("\t-5\t");
    EXPECT_EQ(wnd.MainPopedIndex(), "-5");

    EXPECT_EQ(errorNumberOf([&] { wnd.MainPopedIndex("&H10000"); }), vb::Overflow);
    EXPECT_EQ(errorNumberOf([&] { wnd.MainPopedIndex("&H100000000"); }), vb::Overflow);
    for (const char* noNumber : {"&H", "&O8", "&HG1", "&X10", "&", "-&H10", "& H10", "\t"})
        EXPECT_EQ(errorNumberOf([&] { wnd.MainPopedIndex(noNumber); }), vb::TypeMismatch) << noNumber;
    EXPECT_EQ(wnd.MainPopedIndex(), "-5");
}

TEST(QuilletWindowState, DestroyingTheRecordFreesBothFontsAndReleasesItsObjects)
{
    gdi::LOGFONTA description{};
    const gdi::HFONT itemFont = gdi::CreateFontIndirectA(&description);
    const gdi::HFONT separatorFont = gdi::CreateFontIndirectA(&description);
    auto imageList = std::make_shared<int>(1);
    auto help = std::make_shared<HelpCallBack>();
    const std::weak_ptr<int> imageListSeen = imageList;
    const std::weak_ptr<HelpCallBack> helpSeen = help;
    {
        WndQuillet wnd;
        wnd.MenuFont(itemFont);
        wnd.MenuFontSep(separatorFont);
        wnd.ilHandle(std::move(imageList));
        wnd.HelpObj(std::move(help));
        EXPECT_EQ(wnd.HelpObj(), helpSeen.lock());
    }
    EXPECT_FALSE(gdi::fontOf(itemFont).has_value());
    EXPECT_FALSE(gdi::fontOf(separatorFont).has_value());
    EXPECT_TRUE(imageListSeen.expired());
    EXPECT_TRUE(helpSeen.expired());
}

} // namespace
