#include "RowHeights.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyleOption>

#include <algorithm>

namespace platform {

namespace {

// Glyphs that reach highest and lowest in the shipped CJK fonts.
const QString kTallestGlyphs = QStringLiteral("部鹰量国_gjy|(【");
constexpr int kRowPadding = 3;  // pixels above and below the text

}  // namespace

int FullLineHeight(const QFont& font) {
    const QFontMetrics fm(font);
    const QRect ink = fm.tightBoundingRect(kTallestGlyphs);
    // The metrics' line covers -ascent .. descent-1 around the baseline.
    const int top = std::min(-fm.ascent(), ink.top());
    const int bottom = std::max(fm.descent() - 1, ink.bottom());
    return std::max(fm.lineSpacing(), bottom - top + 1);
}

int RowHeightFor(const QFont& font) { return FullLineHeight(font) + 2 * kRowPadding; }

QSize ReadableRowsStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const {
    QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
    switch (type) {
    case CT_ItemViewItem:
        if (const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option))
            s.setHeight(std::max(s.height(), RowHeightFor(item->font)));
        break;
    case CT_MenuItem:
        // The drop-down list of a combo box that is not editable.
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            item && item->menuItemType != QStyleOptionMenuItem::Separator)
            s.setHeight(std::max(s.height(), RowHeightFor(item->font)));
        break;
    case CT_HeaderSection:
        if (option) s.setHeight(std::max(s.height(), RowHeightFor(widget ? widget->font() : QApplication::font())));
        break;
    default:
        break;
    }
    return s;
}

void InstallReadableRows() {
    // The proxy wraps the style the platform would have chosen.
    QApplication::setStyle(new ReadableRowsStyle(QApplication::style()->name()));
}

}  // namespace platform
