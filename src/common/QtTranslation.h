// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (the buttons of message boxes, the pages of print and file
// dialogs) in simplified Chinese, the program's language.

namespace QtTranslation {
// Loads Qt's simplified-Chinese translations, from the program's own
// "translations" folder when it has one, else from where Qt keeps them.
// False when none were found: Qt then speaks English.
bool install();
} // namespace QtTranslation
