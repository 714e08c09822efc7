// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One form of a textbook entry's questions, as the catalogue gives it: either
// a written pattern ("9+b", "a×b+c", "(a+b)÷c") with a set of numbers for each
// letter and the rules its questions keep (listed: every question made once,
// for the few thousand an entry holds), or a shape under the step rules of
// mixed operations (counted: far too many to list).

#include "questions/StepRules.h"
#include "questions/ValueSet.h"

#include <QJsonObject>
#include <QString>
#include <variant>
#include <vector>

class ListedForm {
public:
    // Builds the form from its catalogue object, or says what is wrong with it.
    static std::variant<ListedForm, QString> parse(const QJsonObject& object);

    // Adds every question of the form (with its answer) to the list; with a
    // key value, only those whose key letter takes that number.
    void appendQuestions(std::vector<Question>& questions, std::optional<std::int64_t> keyValue = {}) const;
    // The numbers of the letter whose values share the form out evenly, in
    // order; empty when the form names no key.
    std::vector<std::int64_t> keyValues() const;

private:
    static std::variant<ListedForm, QString> parsePart(const QJsonObject& object);
    bool keeps(const Question& question, const std::vector<std::int64_t>& letters) const;
    void appendPart(std::vector<Question>& questions, std::optional<std::int64_t> keyValue) const;

    Question m_pattern; // the operators, brackets and written numbers (for letters 0)
    std::array<int, 3> m_slot { -1, -1, -1 }; // the letter written at each number, −1 a number
    std::vector<ValueSet> m_letters; // each letter's numbers
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
};

struct CountedForm {
    Shape shape;
    StepRules rules;
};

using EntryForm = std::variant<ListedForm, CountedForm>;

namespace EntryForms {
// The pattern's shape and its numbers: letters as −1 … −3 (the first, second
// and third letter), written numbers as themselves × 10^places.
struct Pattern {
    Shape shape;
    std::array<std::int64_t, 3> numbers {};
    std::array<int, 3> slot { -1, -1, -1 };
    std::vector<QChar> letters;
};
std::optional<Pattern> parsePattern(const QString& text, int places);

std::variant<EntryForm, QString> parse(const QJsonObject& object);

// Whether some column carries (addition), borrows (subtraction) or some
// digit product reaches ten (multiplication by each digit of the shorter factor).
bool regroups(Op op, std::int64_t a, std::int64_t b);
} // namespace EntryForms
