// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/sets/KindGrid.h"

#include "common/SettingText.h"

KindGridCheck KindGrid::check(const std::vector<KindBoxes>& grid, const KindGridRules& rules)
{
    KindGridCheck result;
    for (const KindBoxes& kind : grid) {
        const bool countGood = inRange(kind.count, rules.countLow, rules.countHigh);
        const bool firstGood = inRange(kind.first, rules.firstLow, rules.firstHigh);
        const bool secondGood = inRange(kind.second, rules.secondLow, rules.secondHigh);
        for (const bool digitsGood : { firstGood, secondGood }) {
            if (!digitsGood) {
                result.messages.append(rules.digitsMessage);
            } else if (!countGood) {
                result.messages.append(rules.countMessage);
            }
        }
        if (firstGood && secondGood && countGood && !rules.fewerDigitsMessage.isEmpty() && *kind.count >= 1
            && *kind.first < *kind.second) {
            result.messages.append(rules.fewerDigitsMessage);
        }
    }
    if (result.messages.isEmpty()) {
        for (const KindBoxes& kind : grid) {
            result.kinds.push_back({ *kind.first, *kind.second, *kind.count });
        }
    }
    return result;
}
