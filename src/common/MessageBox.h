// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box of the program goes through here: an OK button, the
// program's default title and the text. Tests install a handler that records
// the messages instead of blocking on a modal box.

#include <QString>
#include <functional>

class QWidget;

namespace MessageBox {
using Handler = std::function<void(QWidget* parent, const QString& text)>;

void show(QWidget* parent, const QString& text);

// Installs a replacement for the real box; an empty handler restores it.
// Returns the handler that was installed before.
Handler setHandler(Handler handler);
} // namespace MessageBox
