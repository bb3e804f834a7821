#include "Fonts.h"

#include <QApplication>
#include <QFont>

namespace platform {

void RegisterFontSubstitutions() {
    const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"), QStringLiteral("Noto Sans CJK SC")};
    const QStringList kai{QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UKai TW"), QStringLiteral("AR PL UMing CN")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kai);
    QFont::insertSubstitutions(QStringLiteral("楷体"), kai);
    QFont f(QStringLiteral("宋体"), 9);
    QApplication::setFont(f);
}

}  // namespace platform
