// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts the windows and the printed sheets ask for. The windows name the
// classic Chinese system fonts; on systems without them the names are mapped
// to installed CJK fonts so Chinese text still renders.

#include <QFont>
#include <QString>

namespace Fonts {
inline const QString kSongti = QStringLiteral("宋体");
inline const QString kHeiti = QStringLiteral("黑体");
// A fixed-pitch family for printed sheets, so the cells of a row line up.
inline const QString kSheetMono = QStringLiteral("新宋体");

void installSubstitutions();

QFont songti(double points);
QFont heiti(double points);
QFont sheetMono(double points);
} // namespace Fonts
