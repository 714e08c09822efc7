#include "common/Fonts.h"

#include <QStringList>

void Fonts::installSubstitutions()
{
    QFont::insertSubstitutions(kSongti,
        { QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(kHeiti, { QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(kSheetMono,
        { QStringLiteral("NSimSun"), QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Sans Mono CJK") });
}

QFont Fonts::songti(double points)
{
    QFont font(kSongti);
    font.setPointSizeF(points);
    return font;
}

QFont Fonts::heiti(double points)
{
    QFont font(kHeiti);
    font.setPointSizeF(points);
    return font;
}

QFont Fonts::sheetMono(double points)
{
    QFont font(kSheetMono);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}
