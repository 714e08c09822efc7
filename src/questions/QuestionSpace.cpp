// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/QuestionSpace.h"

#include "questions/QuestionText.h"

#include <algorithm>

QuestionSpace::QuestionSpace(const std::vector<const EntryForm*>& forms)
{
    std::vector<std::shared_ptr<const StepTables>> tables;
    std::vector<const ListedForm*> large;
    for (const EntryForm* form : forms) {
        if (const auto* listed = std::get_if<ListedForm>(form)) {
            if (listed->tries() > ListedForm::kMostListedTries && !listed->hasParts()) {
                large.push_back(listed);
            } else {
                listed->appendQuestions(m_listed);
            }
            continue;
        }
        const auto& counted = std::get<CountedForm>(*form);
        const bool known = std::any_of(m_shapes.begin(), m_shapes.end(), [&](const ShapeSpace& space) {
            return space.shape() == counted.shape && space.rules() == counted.rules;
        });
        if (known) {
            continue;
        }
        auto shared = std::find_if(tables.begin(), tables.end(),
            [&](const std::shared_ptr<const StepTables>& t) { return t->rules() == counted.rules; });
        if (shared == tables.end()) {
            tables.push_back(std::make_shared<const StepTables>(counted.rules));
            shared = tables.end() - 1;
        }
        m_shapes.emplace_back(counted.shape, *shared);
    }
    std::sort(m_listed.begin(), m_listed.end());
    m_listed.erase(std::unique(m_listed.begin(), m_listed.end()), m_listed.end());
    const auto inShapes = [this](const Question& question) {
        return std::any_of(m_shapes.begin(), m_shapes.end(),
            [&](const ShapeSpace& space) { return space.contains(question); });
    };
    std::erase_if(m_listed, [&](const Question& question) {
        return inShapes(question) || std::any_of(large.begin(), large.end(), [&](const ListedForm* form) {
            return form->contains(question);
        });
    });
    m_count = std::ssize(m_listed);
    // Each question of a large form once: not if an earlier large form or a
    // shape holds it, nor in the other order when the written order makes it.
    for (std::size_t f = 0; f < large.size(); ++f) {
        TriedForm tried { large[f], {}, 0 };
        large[f]->forEachQuestion([&](std::int64_t attempt, const Question& question) {
            const bool earlier = std::any_of(large.begin(), large.begin() + static_cast<std::ptrdiff_t>(f),
                [&](const ListedForm* form) { return form->contains(question); });
            const bool turned
                = large[f]->eitherOrder() && attempt % 2 == 1 && large[f]->containsInWrittenOrder(question);
            if (earlier || turned || (!m_shapes.empty() && inShapes(question))) {
                return;
            }
            tried.attempts.push_back(static_cast<std::uint32_t>(attempt));
            tried.widest = std::max(tried.widest, QuestionText::length(question));
        });
        m_count += std::ssize(tried.attempts);
        m_tried.push_back(std::move(tried));
    }
    for (const ShapeSpace& space : m_shapes) {
        m_count += space.count();
    }
}

QuestionSpace::QuestionSpace(std::vector<Question> listed)
    : m_listed(std::move(listed))
{
    std::sort(m_listed.begin(), m_listed.end());
    m_listed.erase(std::unique(m_listed.begin(), m_listed.end()), m_listed.end());
    m_count = std::ssize(m_listed);
}

QuestionSpace::QuestionSpace(ShapeSpace shape)
{
    m_count = shape.count();
    m_shapes.push_back(std::move(shape));
}

Question QuestionSpace::at(std::int64_t index) const
{
    if (index < std::ssize(m_listed)) {
        return m_listed[static_cast<std::size_t>(index)];
    }
    index -= std::ssize(m_listed);
    for (const TriedForm& tried : m_tried) {
        if (index < std::ssize(tried.attempts)) {
            return *tried.form->questionAt(tried.attempts[static_cast<std::size_t>(index)]);
        }
        index -= std::ssize(tried.attempts);
    }
    for (const ShapeSpace& space : m_shapes) {
        if (index < space.count()) {
            return space.at(index);
        }
        index -= space.count();
    }
    Q_ASSERT(false);
    return {};
}

int QuestionSpace::widestText() const
{
    int widest = 0;
    for (const Question& question : m_listed) {
        widest = std::max(widest, QuestionText::length(question));
    }
    for (const TriedForm& tried : m_tried) {
        widest = std::max(widest, tried.widest);
    }
    for (const ShapeSpace& space : m_shapes) {
        if (space.count() > 0) {
            widest = std::max(widest, space.rules().widestText(space.shape()));
        }
    }
    return widest;
}
