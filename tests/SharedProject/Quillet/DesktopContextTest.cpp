// The menu font in a process that never describes a display: the desktop's
// font configuration stands behind the window's device context. Each test
// names its own configuration, so the figures do not hang on the machine's.

#include "ErrorNumber.h"
#include "Files.h"
#include "mQuillet.h"
#include "platform/GdiShim.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;
using quillet::WndQuillet;
using quillet::mQuillet::colMenuWindows;

constexpr char kFonts[] = "/usr/share/fonts/truetype/arphic";
// A light face (weight 300), so a weight read from the face is told from the regular 400.
constexpr char kLightFace[] = "AR PL UMing CN";
constexpr std::int32_t kWindow = 2202;

class QuilletDesktopContext : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = makeTemporaryFolder("quillet-desktop");
        ASSERT_FALSE(folder.empty());
        // What every later read sees, among them the first context the library opens.
        useConfiguration("");
    }

    static void TearDownTestSuite()
    {
        unsetenv("FONTCONFIG_FILE");
        fs::remove_all(folder);
    }

    // A configuration with only the shipped Chinese faces, the light one as the sans-serif
    // face, and the lines given.
    static void useConfiguration(const std::string& more)
    {
        static int written = 0;
        const auto file = folder / ("fonts-" + std::to_string(++written) + ".conf");
        std::ofstream(file) << "<?xml version=\"1.0\"?>\n<fontconfig>\n"
                            << "<dir>" << kFonts << "</dir>\n"
                            << "<cachedir>" << (folder / "cache").string() << "</cachedir>\n"
                            << "<alias binding=\"strong\"><family>sans-serif</family><prefer><family>"
                            << kLightFace << "</family></prefer></alias>\n"
                            << more << "</fontconfig>\n";
        setenv("FONTCONFIG_FILE", file.c_str(), 1);
    }

    static inline fs::path folder;
};

TEST_F(QuilletDesktopContext, AnEmptyFaceTakesTheDesktopsDefaultFaceWithItsRealFigures)
{
    if (!fs::exists(kFonts)) GTEST_SKIP() << kFonts << " is missing";
    auto wnd = std::make_shared<WndQuillet>();
    wnd->hWnd(kWindow);
    colMenuWindows().Add(wnd, std::to_string(kWindow));

    EXPECT_EQ(errorNumberOf([&] { wnd->FontName(""); }), 0);
    EXPECT_EQ(wnd->FontName(), kLightFace);
    EXPECT_EQ(wnd->ForeColor(), 0) << "the desktop writes black";
    const auto font = gdi::fontOf(wnd->MenuFont());
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(gdi::faceNameOf(*font), kLightFace);
    EXPECT_EQ(font->lfWeight, 300);
    // Twelve points at 96 dots per inch are 16 pixels of character; the cell adds the leading.
    EXPECT_GE(font->lfHeight, 16);
    EXPECT_LE(font->lfHeight, 24);

    wnd->FontSize(9);
    EXPECT_EQ(gdi::fontOf(wnd->MenuFont())->lfHeight, -12) << "9 points at 96 dots per inch";
    EXPECT_EQ(gdi::openDeviceContextCount(), 0);
    colMenuWindows().Remove(1);
}

TEST_F(QuilletDesktopContext, TheResolutionIsTheOneTheDesktopNamesElse96)
{
    if (!fs::exists(kFonts)) GTEST_SKIP() << kFonts << " is missing";
    const auto plain = gdi::desktopDeviceContext();
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->logPixelsY, 96);

    useConfiguration("<match target=\"pattern\"><edit name=\"dpi\" mode=\"assign\"><double>120</double></edit></match>\n");
    const auto fine = gdi::desktopDeviceContext();
    ASSERT_TRUE(fine.has_value());
    EXPECT_EQ(fine->logPixelsY, 120);
    EXPECT_GT(fine->metrics.tmHeight, plain->metrics.tmHeight) << "the same points take more pixels";
    useConfiguration("");
}

TEST_F(QuilletDesktopContext, ADesktopWithoutFontsHasNoContext)
{
    const auto file = folder / "empty.conf";
    std::ofstream(file) << "<?xml version=\"1.0\"?>\n<fontconfig>\n<cachedir>" << (folder / "cache").string()
                        << "</cachedir>\n</fontconfig>\n";
    setenv("FONTCONFIG_FILE", file.c_str(), 1);
    EXPECT_FALSE(gdi::desktopDeviceContext().has_value());
    useConfiguration("");
}

} // namespace
