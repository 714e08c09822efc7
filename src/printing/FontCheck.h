// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the fonts Qt will use draw every character of a text: the sheet
// font, or the font Qt falls back to for a character the sheet font lacks.
// On a system without any Chinese font the printed sheet would come out as
// empty boxes; it is refused instead, with a message readable there too.

#include "printing/PrintedPages.h"

namespace FontCheck {
// Says, in Chinese and in English, that no font draws Chinese text and which
// package brings one.
extern const QString kNoChineseFont;
// The same said of the windows, at start.
extern const QString kNoChineseWindowFont;

// Whether every character of the pages (spaces aside) is drawn by a font.
bool drawsAll(const PrintedPages& pages);
// Whether the window font draws every character of the text.
bool windowFontDraws(const QString& text);
} // namespace FontCheck
