// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the choice 题目不重复 (no question twice in a sheet or set):
// its check box and the message of a sheet that asks for more distinct
// questions than its settings allow, naming how many there are.

#include <QString>
#include <QtGlobal>

namespace DistinctTexts {
inline constexpr const char* kCheckName = "Check3";
inline const QString kCheckCaption = QStringLiteral("题目不重复");

inline QString countMessage(qint64 distinct)
{
    return QStringLiteral("题目不重复时，按所选设置最多只能出") + QString::number(distinct)
        + QStringLiteral("道不同的题，请减少题数。");
}
} // namespace DistinctTexts
