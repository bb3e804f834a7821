// The desktop's device context: its default face from fontconfig, that face's
// figures from FreeType.

#include "platform/GdiShim.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <memory>

namespace gdi {
namespace {

constexpr double kDefaultDpi = 96.0;
constexpr double kPointsPerInch = 72.0;

template <class T, void (*Free)(T*)>
struct Freer {
    void operator()(T* p) const { Free(p); }
};
using ConfigPtr = std::unique_ptr<FcConfig, Freer<FcConfig, FcConfigDestroy>>;
using PatternPtr = std::unique_ptr<FcPattern, Freer<FcPattern, FcPatternDestroy>>;

// A number the pattern holds as an integer or as a real, else the fallback.
double numberOf(const FcPattern* pattern, const char* object, double fallback)
{
    double real = 0;
    if (FcPatternGetDouble(pattern, object, 0, &real) == FcResultMatch) return real;
    int whole = 0;
    if (FcPatternGetInteger(pattern, object, 0, &whole) == FcResultMatch) return whole;
    return fallback;
}

// FreeType's 26.6 fixed-point pixels to whole pixels.
LONG pixels(FT_Pos value) { return static_cast<LONG>((value + 32) >> 6); }

// What one face file reports at the pixel size: the figures of a text metric
// that the face can tell. False when FreeType cannot open the face.
bool readMetrics(const char* file, int index, double pixelSize, TEXTMETRICA& metrics)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return false;
    const std::unique_ptr<FT_LibraryRec_, decltype(&FT_Done_FreeType)> libraryHeld(library, FT_Done_FreeType);
    FT_Face face = nullptr;
    if (FT_New_Face(library, file, index, &face) != 0) return false;
    const std::unique_ptr<FT_FaceRec_, decltype(&FT_Done_Face)> faceHeld(face, FT_Done_Face);

    const bool sized = FT_IS_SCALABLE(face)
                           ? FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(pixelSize * 64)), 72, 72) == 0
                           : face->num_fixed_sizes > 0 && FT_Select_Size(face, 0) == 0;
    if (!sized) return false;

    const FT_Size_Metrics& size = face->size->metrics;
    metrics.tmAscent = pixels(size.ascender);
    metrics.tmDescent = pixels(-size.descender);
    metrics.tmHeight = metrics.tmAscent + metrics.tmDescent;
    metrics.tmInternalLeading = std::max<LONG>(0, metrics.tmHeight - pixels(size.y_ppem * 64));
    metrics.tmExternalLeading = std::max<LONG>(0, pixels(size.height) - metrics.tmHeight);
    metrics.tmMaxCharWidth = pixels(size.max_advance);
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)); os2 && os2->version != 0xFFFF)
        metrics.tmAveCharWidth = pixels(FT_MulFix(os2->xAvgCharWidth, size.x_scale));
    else
        metrics.tmAveCharWidth = pixels(size.max_advance) / 2;
    return true;
}

} // namespace

std::optional<DeviceContext> desktopDeviceContext()
{
    // A configuration of its own, so the desktop's settings are read as they stand now.
    const ConfigPtr config(FcInitLoadConfigAndFonts());
    if (!config) return std::nullopt;
    // Built, not parsed: in a font name the dash would start a size.
    const PatternPtr wanted(FcPatternCreate());
    if (!wanted || !FcPatternAddString(wanted.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"))
        || !FcConfigSubstitute(config.get(), wanted.get(), FcMatchPattern))
        return std::nullopt;

    // The resolution the configuration sets; its own fallback of 75 is no desktop's.
    double dpi = numberOf(wanted.get(), FC_DPI, kDefaultDpi);
    if (!(dpi > 0)) dpi = kDefaultDpi;
    FcPatternDel(wanted.get(), FC_DPI);
    FcPatternAddDouble(wanted.get(), FC_DPI, dpi);
    FcDefaultSubstitute(wanted.get());

    FcResult result = FcResultNoMatch;
    const PatternPtr match(FcFontMatch(config.get(), wanted.get(), &result));
    if (!match) return std::nullopt;
    FcChar8* family = nullptr;
    FcChar8* file = nullptr;
    int index = 0;
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch
        || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch)
        return std::nullopt;
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
    double pixelSize = numberOf(match.get(), FC_PIXEL_SIZE, 0);
    if (!(pixelSize > 0)) pixelSize = numberOf(match.get(), FC_SIZE, 0) * dpi / kPointsPerInch;
    if (!(pixelSize > 0)) return std::nullopt;

    DeviceContext dc;
    dc.logPixelsY = static_cast<int>(std::lround(dpi));
    dc.faceName = reinterpret_cast<const char*>(family);
    dc.textColor = 0;
    if (!readMetrics(reinterpret_cast<const char*>(file), index, pixelSize, dc.metrics)) return std::nullopt;

    const double weight = numberOf(match.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
    dc.metrics.tmWeight = static_cast<LONG>(std::lround(FcWeightToOpenTypeDouble(weight)));
    dc.metrics.tmItalic = numberOf(match.get(), FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN ? 1 : 0;
    dc.metrics.tmDigitizedAspectX = dc.logPixelsY;
    dc.metrics.tmDigitizedAspectY = dc.logPixelsY;
    return dc;
}

} // namespace gdi
