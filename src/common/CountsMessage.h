// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message of a drill whose layout settings (questions per row, rows per
// page, pages per run) are out of range, naming the ranges it accepts.

#include <QString>

struct CountRanges {
    int perRowLow;
    int perRowHigh;
    int rowsLow;
    int rowsHigh;
    int pagesLow;
    int pagesHigh;
};

// "可一次性每排输出a-b题，每页输出c-d排，每次输出e-f页。对不起！输入有误，谢谢使用。欢迎再来"
QString countsMessage(const CountRanges& ranges);
