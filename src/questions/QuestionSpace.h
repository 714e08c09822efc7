// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// All questions of one or more entries, each once: the listed forms' questions
// in one sorted list without repeats, then those of the forms of very many
// tries (kept as the tries that make them), then the counted shapes' (a
// question that a later part holds counts with that part), numbered
// 0 … count − 1.

#include "questions/EntryForm.h"
#include "questions/ShapeSpace.h"

#include <vector>

class QuestionSpace {
public:
    QuestionSpace() = default;
    // The forms may come from several entries; a form twice counts once.
    explicit QuestionSpace(const std::vector<const EntryForm*>& forms);
    // The listed questions, each once.
    explicit QuestionSpace(std::vector<Question> listed);
    // One counted shape's questions.
    explicit QuestionSpace(ShapeSpace shape);

    std::int64_t count() const { return m_count; }
    Question at(std::int64_t index) const;
    // The most characters a question of the space takes with its answer: the
    // longest listed question's, or a counted shape's bound.
    int widestText() const;

private:
    // A form of very many tries: the tries that make its questions, in order.
    struct TriedForm {
        const ListedForm* form;
        std::vector<std::uint32_t> attempts;
        int widest = 0;
    };

    std::vector<Question> m_listed;
    std::vector<TriedForm> m_tried;
    std::vector<ShapeSpace> m_shapes;
    std::int64_t m_count = 0;
};
