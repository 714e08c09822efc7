// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Fonts.h"

#include <QStringList>

void Fonts::installSubstitutions()
{
    // AR PL UMing is a Song typeface with about the same line height as 宋体,
    // so two lines of a caption fit where the window layouts leave room for two.
    QFont::insertSubstitutions(kSongti,
        { QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
            QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(kHeiti, { QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC") });
    // AR PL UMing gives digits, signs, "×" and "÷" one half-width cell and
    // Chinese characters two, so the columns of a sheet line up, and each of
    // its glyphs stands for one character only, so text copied from a
    // printed PDF reads right (fonts that share a glyph between an ideograph
    // and its radical copy 小 or 页 as the radical).
    QFont::insertSubstitutions(kSheetMono,
        { QStringLiteral("NSimSun"), QStringLiteral("AR PL UMing CN"),
            QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Sans Mono CJK") });
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
