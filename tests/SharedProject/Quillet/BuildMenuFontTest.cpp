// The menu font a window's record gets when its face or size is set.

#include "ErrorNumber.h"
#include "mQuillet.h"
#include "platform/GdiShim.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace {

using quillet::WndQuillet;
using quillet::mQuillet::BuildMenuFont;
using quillet::mQuillet::colMenuWindows;

constexpr std::int32_t kWindow = 4660;

gdi::DeviceContext display(int dpi, const std::string& face)
{
    gdi::DeviceContext dc;
    dc.logPixelsY = dpi;
    dc.faceName = face;
    dc.textColor = 0x00336699;
    dc.metrics.tmHeight = 16;
    dc.metrics.tmWeight = 700;
    return dc;
}

class QuilletMenuFont : public testing::Test {
protected:
    void SetUp() override
    {
        gdi::setDeviceContext(display(96, "Tahoma"));
        wnd = std::make_shared<WndQuillet>();
        wnd->hWnd(kWindow);
        colMenuWindows().Add(wnd, std::to_string(kWindow));
    }

    void TearDown() override
    {
        while (colMenuWindows().Count() > 0) colMenuWindows().Remove(1);
        wnd.reset();
        gdi::setDeviceContext(std::nullopt);
    }

    gdi::LOGFONTA menuFont() const
    {
        const auto font = gdi::fontOf(wnd->MenuFont());
        EXPECT_TRUE(font.has_value()) << "MenuFont holds no live font";
        return font.value_or(gdi::LOGFONTA{});
    }

    std::shared_ptr<WndQuillet> wnd;
};

TEST_F(QuilletMenuFont, ANamedFaceGetsNormalWeightAndTheNegativePointHeight)
{
    wnd->FontName("Arial");
    const auto font = menuFont();
    EXPECT_EQ(font.lfHeight, -11) << "8 points at 96 dots per inch";
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfWidth + font.lfEscapement + font.lfOrientation, 0);
    EXPECT_EQ(font.lfItalic + font.lfUnderline + font.lfStrikeOut + font.lfCharSet, 0);
    EXPECT_EQ(std::string(font.lfFaceName, gdi::LF_FACESIZE), std::string("Arial\0", 6) + std::string(26, ' '));
    EXPECT_EQ(wnd->ForeColor(), 0) << "a named face leaves the colour alone";
    EXPECT_EQ(gdi::openDeviceContextCount(), 0);
}

TEST_F(QuilletMenuFont, ANewSizeRebuildsWithTheStoredFaceAndFreesTheFontItReplaces)
{
    gdi::setDeviceContext(display(120, "Tahoma"));
    wnd->FontName("Arial");
    const auto first = wnd->MenuFont();
    const int fontsBefore = gdi::liveFontCount();

    wnd->FontSize(10);
    EXPECT_NE(wnd->MenuFont(), first);
    EXPECT_EQ(menuFont().lfHeight, -17) << "10 points at 120 dots per inch";
    EXPECT_EQ(gdi::faceNameOf(menuFont()), "Arial");
    EXPECT_FALSE(gdi::fontOf(first).has_value());
    EXPECT_EQ(gdi::liveFontCount(), fontsBefore);
}

TEST_F(QuilletMenuFont, AnEmptyFaceIsTakenWithColourHeightAndWeightFromTheWindow)
{
    const int fontsBefore = gdi::liveFontCount();
    wnd->FontName("");
    EXPECT_EQ(wnd->FontName(), "Tahoma");
    EXPECT_EQ(wnd->ForeColor(), 0x00336699);
    const auto font = menuFont();
    EXPECT_EQ(font.lfHeight, 16);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(gdi::faceNameOf(font), "Tahoma");
    EXPECT_EQ(gdi::liveFontCount(), fontsBefore + 1) << "the font of the inner rebuild is not left behind";
    EXPECT_EQ(gdi::openDeviceContextCount(), 0);
}

TEST_F(QuilletMenuFont, AnEmptyFaceKeepsAColourAlreadyChosen)
{
    wnd->ForeColor(0x00FF0000);
    wnd->FontName("");
    EXPECT_EQ(wnd->ForeColor(), 0x00FF0000);
}

TEST_F(QuilletMenuFont, AFaceNameLongerThanTheFieldIsCut)
{
    const std::string longFace(40, 'F');
    wnd->FontName(longFace);
    EXPECT_EQ(std::string(menuFont().lfFaceName, gdi::LF_FACESIZE), longFace.substr(0, 32));
}

TEST_F(QuilletMenuFont, WithoutRebuildAnExistingFontIsReturnedAsItIs)
{
    const auto built = BuildMenuFont(kWindow, false);
    EXPECT_NE(built, 0) << "a record without a font gets one";
    EXPECT_EQ(built, wnd->MenuFont());
    const int fontsBefore = gdi::liveFontCount();
    EXPECT_EQ(BuildMenuFont(kWindow, false), built);
    EXPECT_EQ(gdi::liveFontCount(), fontsBefore);
}

TEST_F(QuilletMenuFont, AWindowNotRegisteredRaisesTheLookupErrorAfterStoringTheValue)
{
    WndQuillet stranger;
    stranger.hWnd(999);
    EXPECT_EQ(errorNumberOf([&] { stranger.FontSize(12); }), vb::InvalidProcedureCall);
    EXPECT_EQ(stranger.FontSize(), 12);
    EXPECT_EQ(errorNumberOf([&] { stranger.FontName("Arial"); }), vb::InvalidProcedureCall);
    EXPECT_EQ(stranger.FontName(), "Arial");
    EXPECT_EQ(stranger.MenuFont(), 0);
}

TEST_F(QuilletMenuFont, AWindowWhoseContextNamesNoFaceRaisesInsteadOfLooping)
{
    gdi::setDeviceContext(display(96, ""));
    EXPECT_EQ(errorNumberOf([&] { wnd->FontName(""); }), vb::InvalidProcedureCall);
    EXPECT_EQ(wnd->MenuFont(), 0);
    EXPECT_EQ(gdi::openDeviceContextCount(), 0);
}

TEST_F(QuilletMenuFont, WithoutADisplayTheRebuildFailsAndKeepsTheNewValue)
{
    gdi::setDeviceContext(std::nullopt);
    EXPECT_EQ(errorNumberOf([&] { wnd->FontName("Arial"); }), vb::InvalidProcedureCall);
    EXPECT_EQ(wnd->FontName(), "Arial");
    EXPECT_EQ(wnd->MenuFont(), 0);
}

TEST_F(QuilletMenuFont, RecordsAreFoundOnlyInTheThreadThatRegisteredThem)
{
    std::int32_t inOtherThread = -1;
    std::thread([&] { inOtherThread = errorNumberOf([&] { wnd->FontName("Arial"); }); }).join();
    EXPECT_EQ(inOtherThread, vb::InvalidProcedureCall);
    wnd->FontName("Arial");
    EXPECT_NE(wnd->MenuFont(), 0);
}

} // namespace
