// Rows sized for the fonts the program ships with. The AR PL fonts that stand
// in for 宋体 and 楷体 draw their CJK glyphs and the underscore a pixel or two
// beyond the height their metrics report, so a row sized by the metrics alone
// cuts off the tops and bottoms of characters. Every list, tree, grid and
// drop-down row is measured by the glyphs' full height here instead.
#pragma once

#include <QFont>
#include <QProxyStyle>

namespace platform {

// The height the font's text covers on screen: its line spacing, or the ink
// of its tallest CJK glyphs and underscore where that reaches further.
int FullLineHeight(const QFont& font);
// The height of one row of a list, tree, grid or drop-down list in that font:
// the full line height with a few pixels above and below.
int RowHeightFor(const QFont& font);

// The platform's own style with every item and header row at least
// RowHeightFor its font.
class ReadableRowsStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};

// Installs ReadableRowsStyle for the whole program (once the font is set).
void InstallReadableRows();

}  // namespace platform
