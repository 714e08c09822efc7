// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SettingText.h"

namespace {
constexpr int kMaxDigits = 15;

// Trims and turns full-width digits, signs and the full-width point into ASCII.
QString normalised(const QString& text)
{
    QString out;
    for (const QChar c : text.trimmed()) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９') {
            out += QChar(u'0' + (u - u'０'));
        } else if (u == u'－') {
            out += QLatin1Char('-');
        } else if (u == u'＋') {
            out += QLatin1Char('+');
        } else if (u == u'．') {
            out += QLatin1Char('.');
        } else {
            out += c;
        }
    }
    return out;
}

bool allDigits(QStringView s)
{
    for (const QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

struct SignedText {
    bool negative = false;
    QString body;
};

SignedText splitSign(const QString& s)
{
    if (s.startsWith(QLatin1Char('-'))) {
        return { true, s.mid(1) };
    }
    if (s.startsWith(QLatin1Char('+'))) {
        return { false, s.mid(1) };
    }
    return { false, s };
}

std::optional<qint64> digitsValue(QStringView digits)
{
    QStringView d = digits;
    while (d.size() > 1 && d.front() == QLatin1Char('0')) {
        d = d.mid(1);
    }
    if (d.size() > kMaxDigits) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const QChar c : d) {
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}
} // namespace

std::optional<qint64> parseWholeNumber(const QString& text)
{
    const SignedText s = splitSign(normalised(text));
    if (s.body.isEmpty() || !allDigits(s.body)) {
        return std::nullopt;
    }
    const auto magnitude = digitsValue(s.body);
    if (!magnitude) {
        return std::nullopt;
    }
    return s.negative ? -*magnitude : *magnitude;
}

std::optional<int> parseRoundedInt16(const QString& text)
{
    const SignedText s = splitSign(normalised(text));
    const qsizetype point = s.body.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? s.body : s.body.left(point);
    const QString fraction = point < 0 ? QString() : s.body.mid(point + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || !allDigits(whole) || !allDigits(fraction)) {
        return std::nullopt;
    }
    auto magnitude = whole.isEmpty() ? std::optional<qint64>(0) : digitsValue(whole);
    if (!magnitude) {
        return std::nullopt;
    }
    // Decide the rounding on the digits themselves, so 2.5 is an exact tie.
    if (!fraction.isEmpty()) {
        const QChar first = fraction.front();
        bool restZero = true;
        for (const QChar c : QStringView(fraction).mid(1)) {
            restZero = restZero && c == QLatin1Char('0');
        }
        if (first > QLatin1Char('5') || (first == QLatin1Char('5') && (!restZero || *magnitude % 2 == 1))) {
            ++*magnitude;
        }
    }
    const qint64 value = s.negative ? -*magnitude : *magnitude;
    if (value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}
