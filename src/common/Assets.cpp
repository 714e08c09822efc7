// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Assets.h"

#include <QtGlobal>

static void registerAssets()
{
    Q_INIT_RESOURCE(assets);
}

void Assets::init()
{
    static const bool done = [] {
        registerAssets();
        return true;
    }();
    Q_UNUSED(done);
}
