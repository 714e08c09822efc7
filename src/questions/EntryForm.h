// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One form of a textbook entry's questions, as the catalogue gives it: either
// a written pattern ("9+b", "a×b+c", "(a+b)÷c", "a/n+b/n", "c÷a/n") with a
// set of numbers for each letter and the rules its questions keep (listed:
// every question made once, for the few thousand an entry holds; a form of
// very many tries is gone through once and its questions kept as the tries
// that make them), or a shape under the step rules of mixed operations
// (counted: far too many to list).

#include "questions/StepRules.h"
#include "questions/ValueSet.h"

#include <QJsonObject>
#include <QString>
#include <variant>
#include <vector>

// The exact values an answer must lie between, as "(0,1]" writes them.
struct AnswerRange {
    Rational low;
    Rational high;
    bool lowOpen = false;
    bool highOpen = false;

    bool contains(Rational value) const;
};

class ListedForm {
public:
    // A pattern has at most this many letters (a/m÷b/n).
    static constexpr int kMostLetters = 4;
    // A form with more tries than this is gone through once, not listed.
    static constexpr std::int64_t kMostListedTries = 100000;

    // Builds the form from its catalogue object, or says what is wrong with it.
    static std::variant<ListedForm, QString> parse(const QJsonObject& object);

    // Adds every question of the form (with its answer) to the list; with a
    // key value, only those whose key letter takes that number.
    void appendQuestions(std::vector<Question>& questions, std::optional<std::int64_t> keyValue = {}) const;
    // The numbers of the letter whose values share the form out evenly, in
    // order; empty when the form names no key.
    std::vector<std::int64_t> keyValues() const;

    // Every combination of the letters' numbers, each in both orders where
    // either order is allowed: the tries, numbered in the order listed.
    std::int64_t tries() const { return m_tries; }
    // Whether the odd tries are the even ones' numbers in the other order.
    bool eitherOrder() const { return m_eitherOrder; }
    // The question that try makes, or nothing when it is no question of the form.
    std::optional<Question> questionAt(std::int64_t attempt) const;
    // Calls take(attempt, question) for every try that makes a question, in
    // order; with a key value, only for the tries whose key letter takes it.
    template <typename Take>
    void forEachQuestion(Take&& take, std::optional<std::int64_t> keyValue = std::nullopt) const;
    // Whether the form is written in parts: its tries are then its first part's only.
    bool hasParts() const { return !m_parts.empty(); }
    // Whether a try of the form makes the question; with both orders, whether
    // one in the written order does (the other order may repeat it: 3+3).
    bool contains(const Question& question) const;
    bool containsInWrittenOrder(const Question& question) const;

private:
    static std::variant<ListedForm, QString> parsePart(const QJsonObject& object);
    void appendPart(std::vector<Question>& questions, std::optional<std::int64_t> keyValue) const;
    using Letters = std::array<std::int64_t, kMostLetters>;
    std::optional<Question> build(const Letters& letters, bool swapped) const;
    // Writes the letters' numbers into the question (from the pattern), turned
    // round when swapped, and works it out; false when it is no question of the form.
    bool fill(Question& question, const Letters& letters, bool swapped) const;
    bool keeps(const Question& question, const Letters& letters) const;
    bool holds(const Question& question, bool swapped) const;

    Question m_pattern; // the operators, brackets and written numbers (for letters 0)
    std::array<int, 3> m_slot { -1, -1, -1 }; // the letter written at each number, −1 a number
    std::array<int, 3> m_denominatorSlot { -1, -1, -1 }; // the letter under a fraction's bar
    std::vector<ValueSet> m_letters; // each letter's numbers
    std::int64_t m_tries = 0;
    std::optional<ValueSet> m_result; // the answer (a quotient, with a remainder)
    std::optional<ValueSet> m_steps; // every step's result
    std::optional<bool> m_carry; // 进位/退位 in some column, or in none
    bool m_eitherOrder = false; // a+b and b+a
    bool m_digitsDivide = false; // the divisor divides every digit of the dividend
    std::optional<std::pair<int, int>> m_atMost; // one letter's number at most another's
    int m_key = -1; // the letter whose numbers get equal shares, −1 none
    // The further parts of a form written in pieces (the same question with
    // other numbers or rules), whose questions count with the first part's.
    std::vector<ListedForm> m_parts;
    std::optional<std::pair<int, int>> m_sum; // two letters whose numbers add up to m_sumTotal
    std::int64_t m_sumTotal = 0;
    bool m_fullPlaces = false; // some written number uses the form's last decimal place
    bool m_proper = false; // every written fraction is proper (1 ≤ a < n)
    bool m_lowest = false; // every written fraction is in lowest terms
    bool m_unlike = false; // the written fractions' denominators differ
    std::optional<std::int64_t> m_commonDenominator; // their least common denominator at most this
    std::optional<AnswerRange> m_range; // the exact answer between two values
};

template <typename Take>
void ListedForm::forEachQuestion(Take&& take, std::optional<std::int64_t> keyValue) const
{
    // The letters' numbers step by step, the last letter fastest.
    const std::size_t count = m_letters.size();
    std::array<std::size_t, kMostLetters> at {};
    Letters letters {};
    for (std::size_t i = 0; i < count; ++i) {
        letters[i] = m_letters[i].values().front();
    }
    Question question;
    for (std::int64_t attempt = 0; attempt < m_tries;) {
        const bool wanted = !keyValue || m_key < 0 || letters[static_cast<std::size_t>(m_key)] == *keyValue;
        if (wanted && fill(question, letters, false)) {
            take(attempt, question);
        }
        ++attempt;
        if (m_eitherOrder) {
            if (wanted && fill(question, letters, true)) {
                take(attempt, question);
            }
            ++attempt;
        }
        std::size_t i = count;
        while (i > 0 && ++at[i - 1] == m_letters[i - 1].values().size()) {
            at[i - 1] = 0;
            letters[i - 1] = m_letters[i - 1].values().front();
            --i;
        }
        if (i == 0) {
            return;
        }
        letters[i - 1] = m_letters[i - 1].values()[at[i - 1]];
    }
}

struct CountedForm {
    Shape shape;
    StepRules rules;
};

using EntryForm = std::variant<ListedForm, CountedForm>;

namespace EntryForms {
// The pattern's shape and its numbers: at each number the letter written
// there (its place among the letters) or −1 for a written number, as itself
// × 10^places; a fraction "a/n" has a denominator, a letter or a number.
struct Pattern {
    Shape shape;
    std::array<std::int64_t, 3> numbers {};
    std::array<std::int32_t, 3> denominators { 1, 1, 1 };
    std::array<int, 3> slot { -1, -1, -1 };
    std::array<int, 3> denominatorSlot { -1, -1, -1 };
    std::vector<QChar> letters;

    bool hasFractions() const
    {
        return denominators != std::array<std::int32_t, 3> { 1, 1, 1 }
        || denominatorSlot != std::array<int, 3> { -1, -1, -1 };
    }
};
std::optional<Pattern> parsePattern(const QString& text, int places);
// "(0,1]", "[0,2)": whole numbers or decimals; nothing when it is no such range.
std::optional<AnswerRange> parseRange(const QString& text);

std::variant<EntryForm, QString> parse(const QJsonObject& object);

// Whether some column carries (addition), borrows (subtraction) or some
// digit product reaches ten (multiplication by each digit of the shorter factor).
bool regroups(Op op, std::int64_t a, std::int64_t b);
} // namespace EntryForms
