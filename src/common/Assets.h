// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures, icon, help text and textbook catalogue are compiled into the
// core library; a static library's resources must be registered before first use.

namespace Assets {
void init();
}
