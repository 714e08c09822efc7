// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/QuestionSpace.h"

#include "questions/QuestionText.h"

#include <algorithm>

QuestionSpace::QuestionSpace(const std::vector<const EntryForm*>& forms)
{
    std::vector<std::shared_ptr<const StepTables>> tables;
    for (const EntryForm* form : forms) {
        if (const auto* listed = std::get_if<ListedForm>(form)) {
            listed->appendQuestions(m_listed);
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
    std::erase_if(m_listed, [this](const Question& question) {
        return std::any_of(m_shapes.begin(), m_shapes.end(),
            [&](const ShapeSpace& space) { return space.contains(question); });
    });
    m_count = std::ssize(m_listed);
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
    for (const ShapeSpace& space : m_shapes) {
        if (space.count() > 0) {
            widest = std::max(widest, space.rules().widestText(space.shape()));
        }
    }
    return widest;
}
