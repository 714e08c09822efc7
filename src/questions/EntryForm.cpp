// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/EntryForm.h"

#include "output/SheetLine.h"
#include "random/Draws.h"

#include <QJsonArray>
#include <QJsonValue>
#include <algorithm>

namespace {
// Listing a form takes at most this many tries.
constexpr std::int64_t kMostTries = 2000000;

std::optional<Op> opOf(QChar c)
{
    switch (c.unicode()) {
    case SheetSigns::kPlus:
        return Op::Add;
    case SheetSigns::kMinus:
    case u'\u2212': // the minus sign the catalogue's forms may use
        return Op::Subtract;
    case SheetSigns::kTimes:
        return Op::Multiply;
    case SheetSigns::kDivide:
        return Op::Divide;
    default:
        return std::nullopt;
    }
}

QString problem(const QString& form, const QString& what)
{
    return QStringLiteral("“%1”：%2").arg(form, what);
}

} // namespace

bool EntryForms::regroups(Op op, std::int64_t a, std::int64_t b)
{
    switch (op) {
    case Op::Add:
        for (; a > 0 || b > 0; a /= 10, b /= 10) {
            if (a % 10 + b % 10 >= 10) {
                return true;
            }
        }
        return false;
    case Op::Subtract:
        for (; a > 0 || b > 0; a /= 10, b /= 10) {
            if (a % 10 < b % 10) {
                return true;
            }
        }
        return false;
    case Op::Multiply: {
        // Multiplied by each digit of the shorter factor; up to the first
        // carry no carry comes in, so a digit product of ten or more is the first.
        const std::int64_t multiplier = Draws::digitCount(a) < Draws::digitCount(b) ? a : b;
        const std::int64_t multiplicand = multiplier == a ? b : a;
        for (std::int64_t m = multiplier; m > 0; m /= 10) {
            for (std::int64_t x = multiplicand; x > 0; x /= 10) {
                if ((m % 10) * (x % 10) >= 10) {
                    return true;
                }
            }
        }
        return false;
    }
    case Op::Divide:
        break;
    }
    return false;
}

std::optional<EntryForms::Pattern> EntryForms::parsePattern(const QString& text, int places)
{
    Pattern pattern;
    int terms = 0;
    int open = -1; // the term an open bracket stands before
    int close = -1; // the term a closing bracket stands after
    bool wantTerm = true;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (wantTerm) {
            if (c == QLatin1Char('(') && open < 0) {
                open = terms;
                ++i;
                continue;
            }
            if (terms == 3) {
                return std::nullopt;
            }
            const auto at = static_cast<std::size_t>(terms);
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
                auto letter = std::find(pattern.letters.begin(), pattern.letters.end(), c);
                if (letter == pattern.letters.end()) {
                    pattern.letters.push_back(c);
                    letter = pattern.letters.end() - 1;
                }
                pattern.slot[at] = static_cast<int>(letter - pattern.letters.begin());
                ++i;
            } else {
                qsizetype end = i;
                while (end < text.size() && (text[end].isDigit() || text[end] == QLatin1Char('.'))) {
                    ++end;
                }
                const auto value = ValueSet::parseNumber(QStringView(text).mid(i, end - i), places);
                if (!value) {
                    return std::nullopt;
                }
                pattern.numbers[at] = *value;
                i = end;
            }
            ++terms;
            wantTerm = false;
            continue;
        }
        if (c == QLatin1Char(')') && open >= 0 && close < 0) {
            close = terms - 1;
            ++i;
            continue;
        }
        const auto op = opOf(c);
        if (!op || terms > 2) {
            return std::nullopt;
        }
        pattern.shape.ops[static_cast<std::size_t>(terms) - 1] = *op;
        wantTerm = true;
        ++i;
    }
    if (wantTerm || terms < 2 || pattern.letters.size() > 3) {
        return std::nullopt;
    }
    pattern.shape.terms = terms;
    if (open >= 0) {
        // One pair around two neighbouring numbers of three.
        if (terms != 3 || close != open + 1) {
            return std::nullopt;
        }
        pattern.shape.brackets = open == 0 ? Brackets::First : Brackets::Last;
    }
    return pattern;
}

std::variant<ListedForm, QString> ListedForm::parse(const QJsonObject& object)
{
    const QString text = object.value(QLatin1String("question")).toString();
    const QJsonValue parts = object.value(QLatin1String("parts"));
    if (parts.isUndefined()) {
        return parsePart(object);
    }
    // Each part is the form's object with the part's own fields in place of its numbers and rules.
    std::optional<ListedForm> form;
    for (const QJsonValue part : parts.toArray()) {
        QJsonObject whole { { QStringLiteral("question"), text } };
        for (const QString& field :
            { QStringLiteral("places"), QStringLiteral("remainder"), QStringLiteral("key") }) {
            if (object.contains(field)) {
                whole.insert(field, object.value(field));
            }
        }
        const QJsonObject own = part.toObject();
        for (auto it = own.begin(); it != own.end(); ++it) {
            whole.insert(it.key(), it.value());
        }
        auto parsed = parsePart(whole);
        if (auto* error = std::get_if<QString>(&parsed)) {
            return *error;
        }
        if (form) {
            form->m_parts.push_back(std::get<ListedForm>(std::move(parsed)));
        } else {
            form = std::get<ListedForm>(std::move(parsed));
        }
    }
    if (!form) {
        return problem(text, QStringLiteral("“parts”应是不空的列表"));
    }
    return *std::move(form);
}

std::variant<ListedForm, QString> ListedForm::parsePart(const QJsonObject& object)
{
    const QString text = object.value(QLatin1String("question")).toString();
    const int places = object.value(QLatin1String("places")).toInt(0);
    if (places < 0 || places > 2) {
        return problem(text, QStringLiteral("小数位数只能是0、1或2"));
    }
    const auto pattern = EntryForms::parsePattern(text, places);
    if (!pattern) {
        return problem(text, QStringLiteral("读不懂题目的形式"));
    }
    ListedForm form;
    form.m_pattern = pattern->shape.question(pattern->numbers[0], pattern->numbers[1], pattern->numbers[2]);
    form.m_pattern.places = static_cast<std::uint8_t>(places);
    form.m_pattern.withRemainder = object.value(QLatin1String("remainder")).toBool(false);
    form.m_slot = pattern->slot;
    std::int64_t tries = 1;
    for (const QChar letter : pattern->letters) {
        const auto set = ValueSet::parse(object.value(QString(letter)).toString(), places);
        if (!set) {
            return problem(text, QStringLiteral("字母%1的取值写得不对").arg(letter));
        }
        tries *= std::ssize(set->values());
        form.m_letters.push_back(*set);
    }
    if (tries > kMostTries) {
        return problem(text, QStringLiteral("取值的组合太多"));
    }
    if (const QJsonValue key = object.value(QLatin1String("key")); !key.isUndefined()) {
        const QString letter = key.toString();
        const auto it = std::find(
            pattern->letters.begin(), pattern->letters.end(), letter.isEmpty() ? QChar() : letter[0]);
        if (letter.size() != 1 || it == pattern->letters.end()) {
            return problem(text, QStringLiteral("“key”应是题目里的一个字母"));
        }
        form.m_key = static_cast<int>(it - pattern->letters.begin());
    }
    const auto optionalSet = [&](const char* key, std::optional<ValueSet>& set) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            return true;
        }
        set = ValueSet::parse(value.toString(), places);
        return set.has_value();
    };
    if (!optionalSet("result", form.m_result) || !optionalSet("steps", form.m_steps)) {
        return problem(text, QStringLiteral("得数的范围写得不对"));
    }
    if (const QJsonValue carry = object.value(QLatin1String("carry")); carry.isBool()) {
        form.m_carry = carry.toBool();
    }
    form.m_eitherOrder = object.value(QLatin1String("either")).toBool(false);
    form.m_digitsDivide = object.value(QLatin1String("digitsDivide")).toBool(false);
    if (form.m_eitherOrder && pattern->shape.terms != 2) {
        return problem(text, QStringLiteral("只有两个数的题可以交换顺序"));
    }
    if (const QString atMost = object.value(QLatin1String("atMost")).toString(); !atMost.isEmpty()) {
        const auto index = [&](QChar letter) {
            const auto it = std::find(pattern->letters.begin(), pattern->letters.end(), letter);
            return it == pattern->letters.end() ? -1 : static_cast<int>(it - pattern->letters.begin());
        };
        const int low = atMost.size() == 3 ? index(atMost[0]) : -1;
        const int high = atMost.size() == 3 ? index(atMost[2]) : -1;
        if (low < 0 || high < 0) {
            return problem(text, QStringLiteral("“atMost”应写成“a≤b”"));
        }
        form.m_atMost = std::pair { low, high };
    }
    return form;
}

bool ListedForm::keeps(const Question& question, const std::vector<std::int64_t>& letters) const
{
    if (m_atMost
        && letters[static_cast<std::size_t>(m_atMost->first)]
            > letters[static_cast<std::size_t>(m_atMost->second)]) {
        return false;
    }
    if (m_result && !m_result->contains(question.answer)) {
        return false;
    }
    if (m_steps || m_carry || m_digitsDivide) {
        const auto working = Questions::work(question);
        for (int i = 0; i < working->stepCount; ++i) {
            if (m_steps && !m_steps->contains(working->steps[static_cast<std::size_t>(i)].result)) {
                return false;
            }
        }
    }
    if (m_carry
        && EntryForms::regroups(question.ops[0], question.numbers[0], question.numbers[1]) != *m_carry) {
        return false;
    }
    if (m_digitsDivide) {
        for (std::int64_t rest = question.numbers[0]; rest > 0; rest /= 10) {
            if ((rest % 10) % question.numbers[1] != 0) {
                return false;
            }
        }
    }
    return true;
}

std::vector<std::int64_t> ListedForm::keyValues() const
{
    std::vector<std::int64_t> values;
    if (m_key < 0) {
        return values;
    }
    const auto add = [&](const ListedForm& part) {
        const auto& own = part.m_letters[static_cast<std::size_t>(part.m_key)].values();
        values.insert(values.end(), own.begin(), own.end());
    };
    add(*this);
    for (const ListedForm& part : m_parts) {
        add(part);
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

void ListedForm::appendQuestions(std::vector<Question>& questions, std::optional<std::int64_t> keyValue) const
{
    appendPart(questions, keyValue);
    for (const ListedForm& part : m_parts) {
        part.appendPart(questions, keyValue);
    }
}

void ListedForm::appendPart(std::vector<Question>& questions, std::optional<std::int64_t> keyValue) const
{
    const std::size_t count = m_letters.size();
    // Each letter's numbers; the key letter's only the one asked for.
    std::vector<std::vector<std::int64_t>> numbers;
    for (std::size_t i = 0; i < count; ++i) {
        if (keyValue && static_cast<int>(i) == m_key) {
            const auto& all = m_letters[i].values();
            if (std::find(all.begin(), all.end(), *keyValue) == all.end()) {
                return;
            }
            numbers.push_back({ *keyValue });
        } else {
            numbers.push_back(m_letters[i].values());
        }
    }
    std::vector<std::size_t> at(count, 0);
    std::vector<std::int64_t> letters(count, 0);
    while (true) {
        Question question = m_pattern;
        for (std::size_t i = 0; i < count; ++i) {
            letters[i] = numbers[i][at[i]];
        }
        for (std::size_t i = 0; i < 3; ++i) {
            if (m_slot[i] >= 0) {
                question.numbers[i] = letters[static_cast<std::size_t>(m_slot[i])];
            }
        }
        if (const auto made = Questions::make(question); made && keeps(*made, letters)) {
            questions.push_back(*made);
        }
        if (m_eitherOrder) {
            std::swap(question.numbers[0], question.numbers[1]);
            if (const auto made = Questions::make(question); made && keeps(*made, letters)) {
                questions.push_back(*made);
            }
        }
        // The next combination of the letters' numbers, the last letter fastest.
        std::size_t i = count;
        while (i > 0 && ++at[i - 1] == numbers[i - 1].size()) {
            at[--i] = 0;
        }
        if (i == 0) {
            return;
        }
    }
}

std::variant<EntryForm, QString> EntryForms::parse(const QJsonObject& object)
{
    const QString text = object.value(QLatin1String("question")).toString();
    if (!object.contains(QLatin1String("largest"))) {
        auto listed = ListedForm::parse(object);
        if (auto* error = std::get_if<QString>(&listed)) {
            return *error;
        }
        return EntryForm { std::get<ListedForm>(std::move(listed)) };
    }
    const auto pattern = parsePattern(text, 0);
    if (!pattern || pattern->letters.size() != static_cast<std::size_t>(pattern->shape.terms)
        || pattern->slot != std::array<int, 3> { 0, 1, pattern->shape.terms == 3 ? 2 : -1 }) {
        return problem(text, QStringLiteral("四则混合的题目形式应由不同的字母组成"));
    }
    if (object.contains(QLatin1String("key")) || object.contains(QLatin1String("parts"))) {
        return problem(text, QStringLiteral("四则混合的题目形式不分份"));
    }
    CountedForm form { pattern->shape,
        { object.value(QLatin1String("largest")).toInt(0), object.value(QLatin1String("results")).toInt(0),
            object.value(QLatin1String("table")).toBool(false) } };
    if (form.rules.largest < 1 || form.rules.largest > 10000 || form.rules.results < 1
        || form.rules.results > 100000) {
        return problem(text, QStringLiteral("最大数或得数的范围不对"));
    }
    if (form.shape.brackets != Brackets::None && !form.shape.bracketsChange()) {
        return problem(text, QStringLiteral("去掉括号得数不变，括号没有必要"));
    }
    return EntryForm { form };
}
