// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/EntryForm.h"

#include "output/SheetLine.h"
#include "random/Draws.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QStringList>
#include <algorithm>
#include <numeric>

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
    // A letter (its place among the letters) or a number, read at i.
    struct Atom {
        int letter = -1;
        QStringView number;
    };
    const auto atom = [&](qsizetype& i) -> std::optional<Atom> {
        if (i >= text.size()) {
            return std::nullopt;
        }
        const QChar c = text[i];
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            auto letter = std::find(pattern.letters.begin(), pattern.letters.end(), c);
            if (letter == pattern.letters.end()) {
                pattern.letters.push_back(c);
                letter = pattern.letters.end() - 1;
            }
            ++i;
            return Atom { static_cast<int>(letter - pattern.letters.begin()), {} };
        }
        qsizetype end = i;
        while (end < text.size() && (text[end].isDigit() || text[end] == QLatin1Char('.'))) {
            ++end;
        }
        const Atom read { -1, QStringView(text).mid(i, end - i) };
        i = end;
        return read;
    };
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
            const auto top = atom(i);
            if (!top) {
                return std::nullopt;
            }
            // "a/n": a fraction of whole numbers, its denominator 2 or more.
            const bool fraction = i < text.size() && text[i] == QLatin1Char('/');
            std::optional<Atom> bottom;
            if (fraction) {
                ++i;
                bottom = atom(i);
                if (!bottom) {
                    return std::nullopt;
                }
            }
            pattern.slot[at] = top->letter;
            if (top->letter < 0) {
                const auto value = ValueSet::parseNumber(top->number, fraction ? 0 : places);
                if (!value) {
                    return std::nullopt;
                }
                pattern.numbers[at] = *value;
            }
            if (bottom) {
                pattern.denominatorSlot[at] = bottom->letter;
                if (bottom->letter < 0) {
                    const auto value = ValueSet::parseNumber(bottom->number, 0);
                    if (!value || *value < 2 || *value > 1000) {
                        return std::nullopt;
                    }
                    pattern.denominators[at] = static_cast<std::int32_t>(*value);
                }
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
    if (wantTerm || terms < 2 || std::ssize(pattern.letters) > ListedForm::kMostLetters) {
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

std::optional<AnswerRange> EntryForms::parseRange(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QStringList ends = trimmed.mid(1, trimmed.size() - 2).split(QLatin1Char(','));
    if (trimmed.size() < 5 || ends.size() != 2) {
        return std::nullopt;
    }
    AnswerRange range;
    range.lowOpen = trimmed.front() == QLatin1Char('(');
    range.highOpen = trimmed.back() == QLatin1Char(')');
    if ((!range.lowOpen && trimmed.front() != QLatin1Char('['))
        || (!range.highOpen && trimmed.back() != QLatin1Char(']'))) {
        return std::nullopt;
    }
    constexpr int kPlaces = 4;
    const auto low = ValueSet::parseNumber(QStringView(ends[0]).trimmed(), kPlaces);
    const auto high = ValueSet::parseNumber(QStringView(ends[1]).trimmed(), kPlaces);
    if (!low || !high || *high < *low) {
        return std::nullopt;
    }
    const auto exact = [](std::int64_t scaled) {
        const std::int64_t unit = Draws::powerOfTen(kPlaces);
        const std::int64_t common = std::gcd(scaled, unit);
        return Rational { scaled / common, unit / common };
    };
    range.low = exact(*low);
    range.high = exact(*high);
    return range;
}

bool AnswerRange::contains(Rational value) const
{
    return (lowOpen ? value > low : value >= low) && (highOpen ? value < high : value <= high);
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
    if (places < 0 || places > 4) {
        return problem(text, QStringLiteral("小数位数只能是0到4"));
    }
    const auto pattern = EntryForms::parsePattern(text, places);
    if (!pattern) {
        return problem(text, QStringLiteral("读不懂题目的形式"));
    }
    const bool fractions = pattern->hasFractions();
    if (fractions && places != 0) {
        return problem(text, QStringLiteral("分数的题不能再有小数位数"));
    }
    ListedForm form;
    form.m_pattern = pattern->shape.question(pattern->numbers[0], pattern->numbers[1], pattern->numbers[2]);
    form.m_pattern.denominators = pattern->denominators;
    form.m_pattern.places = static_cast<std::uint8_t>(places);
    form.m_pattern.withRemainder = object.value(QLatin1String("remainder")).toBool(false);
    form.m_pattern.unreduced = object.value(QLatin1String("unreduced")).toBool(false);
    form.m_slot = pattern->slot;
    form.m_denominatorSlot = pattern->denominatorSlot;
    std::int64_t tries = 1;
    for (const QChar letter : pattern->letters) {
        const auto set = ValueSet::parse(object.value(QString(letter)).toString(), places);
        if (!set) {
            return problem(text, QStringLiteral("字母%1的取值写得不对").arg(letter));
        }
        tries *= std::ssize(set->values());
        form.m_letters.push_back(*set);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const int under = pattern->denominatorSlot[i];
        if (under >= 0 && form.m_letters[static_cast<std::size_t>(under)].values().front() < 2) {
            return problem(text, QStringLiteral("分母至少是2"));
        }
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
    if (fractions && (form.m_result || form.m_steps || form.m_carry || form.m_digitsDivide)) {
        return problem(text, QStringLiteral("分数的题用“range”限定得数"));
    }
    form.m_tries = tries * (form.m_eitherOrder ? 2 : 1);
    const auto index = [&](QChar letter) {
        const auto it = std::find(pattern->letters.begin(), pattern->letters.end(), letter);
        return it == pattern->letters.end() ? -1 : static_cast<int>(it - pattern->letters.begin());
    };
    if (const QString atMost = object.value(QLatin1String("atMost")).toString(); !atMost.isEmpty()) {
        const int low = atMost.size() == 3 ? index(atMost[0]) : -1;
        const int high = atMost.size() == 3 ? index(atMost[2]) : -1;
        if (low < 0 || high < 0) {
            return problem(text, QStringLiteral("“atMost”应写成“a≤b”"));
        }
        form.m_atMost = std::pair { low, high };
    }
    // "b+c=100": two letters whose numbers add up to a number.
    if (const QString sum = object.value(QLatin1String("sum")).toString(); !sum.isEmpty()) {
        const bool shaped = sum.size() > 4 && sum[1] == QLatin1Char('+') && sum[3] == QLatin1Char('=');
        const int first = shaped ? index(sum[0]) : -1;
        const int second = shaped ? index(sum[2]) : -1;
        const auto total = shaped ? ValueSet::parseNumber(QStringView(sum).mid(4), places) : std::nullopt;
        if (first < 0 || second < 0 || !total) {
            return problem(text, QStringLiteral("“sum”应写成“b+c=100”"));
        }
        form.m_sum = std::pair { first, second };
        form.m_sumTotal = *total;
    }
    form.m_fullPlaces = object.value(QLatin1String("fullPlaces")).toBool(false) && places > 0;
    form.m_proper = object.value(QLatin1String("proper")).toBool(false);
    form.m_lowest = object.value(QLatin1String("lowest")).toBool(false);
    form.m_unlike = object.value(QLatin1String("unlike")).toBool(false);
    if (const QJsonValue common = object.value(QLatin1String("commonDenominator")); !common.isUndefined()) {
        if (common.toInt(0) < 2) {
            return problem(text, QStringLiteral("公分母的上限写得不对"));
        }
        form.m_commonDenominator = common.toInt();
    }
    if (const QJsonValue range = object.value(QLatin1String("range")); !range.isUndefined()) {
        form.m_range = EntryForms::parseRange(range.toString());
        if (!form.m_range) {
            return problem(text, QStringLiteral("“range”应写成“(0,1]”"));
        }
    }
    return form;
}

bool ListedForm::keeps(const Question& question, const Letters& letters) const
{
    const auto letter = [&](int i) { return letters[static_cast<std::size_t>(i)]; };
    if (m_atMost && letter(m_atMost->first) > letter(m_atMost->second)) {
        return false;
    }
    if (m_sum && letter(m_sum->first) + letter(m_sum->second) != m_sumTotal) {
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
    if (m_fullPlaces) {
        bool full = false;
        for (int i = 0; i < question.terms; ++i) {
            full = full || question.numbers[static_cast<std::size_t>(i)] % 10 != 0;
        }
        if (!full) {
            return false;
        }
    }
    if (m_proper || m_lowest || m_unlike || m_commonDenominator) {
        std::int64_t common = 1;
        std::vector<std::int64_t> seen;
        for (int i = 0; i < question.terms; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const std::int64_t n = question.denominators[at];
            if (n == 1) {
                continue;
            }
            const std::int64_t a = question.numbers[at];
            if ((m_proper && (a < 1 || a >= n)) || (m_lowest && std::gcd(a, n) != 1)
                || (m_unlike && std::find(seen.begin(), seen.end(), n) != seen.end())) {
                return false;
            }
            seen.push_back(n);
            common = std::lcm(common, n);
        }
        if (m_commonDenominator && common > *m_commonDenominator) {
            return false;
        }
    }
    return !m_range || m_range->contains(Questions::answerValue(question));
}

bool ListedForm::fill(Question& question, const Letters& letters, bool swapped) const
{
    question = m_pattern;
    for (std::size_t i = 0; i < 3; ++i) {
        if (m_slot[i] >= 0) {
            question.numbers[i] = letters[static_cast<std::size_t>(m_slot[i])];
        }
        if (m_denominatorSlot[i] >= 0) {
            question.denominators[i]
                = static_cast<std::int32_t>(letters[static_cast<std::size_t>(m_denominatorSlot[i])]);
        }
    }
    if (swapped) {
        std::swap(question.numbers[0], question.numbers[1]);
        std::swap(question.denominators[0], question.denominators[1]);
    }
    return Questions::complete(question) && keeps(question, letters);
}

std::optional<Question> ListedForm::build(const Letters& letters, bool swapped) const
{
    Question question;
    if (!fill(question, letters, swapped)) {
        return std::nullopt;
    }
    return question;
}

std::optional<Question> ListedForm::questionAt(std::int64_t attempt) const
{
    const bool swapped = m_eitherOrder && attempt % 2 == 1;
    std::int64_t combination = m_eitherOrder ? attempt / 2 : attempt;
    // The last letter changes fastest.
    Letters letters {};
    for (std::size_t i = m_letters.size(); i-- > 0;) {
        const auto& values = m_letters[i].values();
        const auto size = static_cast<std::int64_t>(values.size());
        letters[i] = values[static_cast<std::size_t>(combination % size)];
        combination /= size;
    }
    return build(letters, swapped);
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
    forEachQuestion([&](std::int64_t, const Question& question) { questions.push_back(question); }, keyValue);
}

bool ListedForm::holds(const Question& question, bool swapped) const
{
    if (question.terms != m_pattern.terms || question.ops != m_pattern.ops
        || question.brackets != m_pattern.brackets || question.places != m_pattern.places
        || question.withRemainder != m_pattern.withRemainder || question.unreduced != m_pattern.unreduced) {
        return false;
    }
    std::array<std::int64_t, 3> numbers = question.numbers;
    std::array<std::int32_t, 3> denominators = question.denominators;
    if (swapped) {
        std::swap(numbers[0], numbers[1]);
        std::swap(denominators[0], denominators[1]);
    }
    // Each letter's number read back from where the pattern writes it.
    Letters letters {};
    std::array<bool, kMostLetters> read {};
    const auto take = [&](int letter, std::int64_t value) {
        const auto at = static_cast<std::size_t>(letter);
        if (read[at] && letters[at] != value) {
            return false;
        }
        read[at] = true;
        letters[at] = value;
        return m_letters[at].contains(value);
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const bool number = m_slot[i] >= 0 ? take(m_slot[i], numbers[i]) : numbers[i] == m_pattern.numbers[i];
        const bool under = m_denominatorSlot[i] >= 0 ? take(m_denominatorSlot[i], denominators[i])
                                                     : denominators[i] == m_pattern.denominators[i];
        if (!number || !under) {
            return false;
        }
    }
    const auto made = build(letters, swapped);
    return made && *made == question && made->answer == question.answer
        && made->answerDenominator == question.answerDenominator && made->remainder == question.remainder;
}

bool ListedForm::containsInWrittenOrder(const Question& question) const
{
    return holds(question, false) || std::any_of(m_parts.begin(), m_parts.end(), [&](const ListedForm& part) {
        return part.containsInWrittenOrder(question);
    });
}

bool ListedForm::contains(const Question& question) const
{
    return holds(question, false) || (m_eitherOrder && holds(question, true))
        || std::any_of(
            m_parts.begin(), m_parts.end(), [&](const ListedForm& part) { return part.contains(question); });
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
    if (!pattern || pattern->hasFractions()
        || pattern->letters.size() != static_cast<std::size_t>(pattern->shape.terms)
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
