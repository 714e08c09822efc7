// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/units/UnitWindow.h"

#include <memory>

#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "forms/UnitForm.h"
#include "random/RandomSource.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
const QString kEditionTitle = QStringLiteral("教材");
const QString kBookTitle = QStringLiteral("年级");
const QString kUnitTitle = QStringLiteral("单元");
const QString kEntryTitle = QStringLiteral("内容");
const QString kEmptyEntryMessage = QStringLiteral("所选的内容没有题目，请重新选择。");

template <typename Item> const Item* itemAt(const std::vector<Item>& items, int index)
{
    return index >= 0 && index < std::ssize(items) ? &items[static_cast<std::size_t>(index)] : nullptr;
}
} // namespace

namespace {
RowBoxes unitBoxes(const UnitDrillDefinition& definition)
{
    return { .initialLayout = definition.initialLayout,
        .layoutLimits = definition.layoutLimits,
        .countsMessage = RowDrill::countsMessage(definition.layoutLimits) };
}
} // namespace

UnitWindow::UnitWindow(DrillEnvironment& environment, const UnitDrillDefinition& definition, QWidget* parent)
    : RowWindow(environment, UnitForm::drillLayout(definition.drillName),
        { .label = UnitForm::settingLabel,
            .box = UnitForm::settingBox,
            .layoutLine = 0,
            .sheetNumber = std::pair(UnitForm::kSheetNumberLabel, UnitForm::kSheetNumberBox) },
        unitBoxes(definition), parent)
    , m_catalogue(definition.catalogue ? *definition.catalogue : UnitCatalogue::standard())
{
    using namespace UnitForm;
    m_editions = addList(0, kEditionLabel, kEditionTitle, kEditionList);
    m_books = addList(1, kBookLabel, kBookTitle, kBookList);
    m_units = addList(2, kUnitLabel, kUnitTitle, kUnitList);
    m_entries = addList(3, kEntryLabel, kEntryTitle, kEntryList);
    // The lists stand above the layout boxes: they come first on the keyboard
    // too, and each opening starts in 教材.
    QList<QWidget*> chain { m_editions, m_books, m_units, m_entries };
    for (QLineEdit* box : layoutBoxes()) {
        chain.append(box);
    }
    chain.append(sheetNumberBox());
    setKeyboardChain(chain, true);

    for (const Edition& edition : m_catalogue.editions()) {
        m_editions->addItem(edition.name);
    }
    fillBooks();
    // Changing one list refills those after it, each at the item last
    // chosen there under the new choice (at first its first item).
    connect(m_editions, &QComboBox::currentIndexChanged, this, &UnitWindow::fillBooks);
    connect(m_books, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_lastChosen[edition()] = index;
        fillUnits();
    });
    connect(m_units, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_lastChosen[book()] = index;
        fillEntries();
    });
    connect(m_entries, &QComboBox::currentIndexChanged, this,
        [this](int index) { m_lastChosen[unit()] = index; });
}

QComboBox* UnitWindow::addList(int line, const char* labelName, const QString& title, const char* listName)
{
    QLabel* label = Controls::label(this, labelName, title, UnitForm::listLabel(line));
    QComboBox* list = Controls::list(this, listName, UnitForm::listBox(line), title);
    label->setBuddy(list);
    return list;
}

void UnitWindow::fillBooks()
{
    {
        const QSignalBlocker blocker(m_books);
        m_books->clear();
        if (const Edition* chosen = edition()) {
            for (const Book& b : chosen->books) {
                m_books->addItem(b.name);
            }
        }
        m_books->setCurrentIndex(m_lastChosen.value(edition(), 0));
    }
    fillUnits();
}

void UnitWindow::fillUnits()
{
    {
        const QSignalBlocker blocker(m_units);
        m_units->clear();
        if (const Book* chosen = book()) {
            for (const Unit& u : chosen->units) {
                m_units->addItem(u.caption());
            }
        }
        m_units->setCurrentIndex(m_lastChosen.value(book(), 0));
    }
    fillEntries();
}

void UnitWindow::fillEntries()
{
    const QSignalBlocker blocker(m_entries);
    m_entries->clear();
    if (const Unit* chosen = unit()) {
        for (const UnitEntry& entry : chosen->entries) {
            m_entries->addItem(entry.name);
        }
        if (UnitDrill::offersWholeUnit(*chosen)) {
            m_entries->addItem(UnitTexts::kWholeUnit);
        }
    }
    m_entries->setCurrentIndex(m_lastChosen.value(unit(), 0));
}

const Edition* UnitWindow::edition() const
{
    return itemAt(m_catalogue.editions(), m_editions->currentIndex());
}

const Book* UnitWindow::book() const
{
    const Edition* chosen = edition();
    return chosen ? itemAt(chosen->books, m_books->currentIndex()) : nullptr;
}

const Unit* UnitWindow::unit() const
{
    const Book* chosen = book();
    return chosen ? itemAt(chosen->units, m_units->currentIndex()) : nullptr;
}

std::optional<RowWindow::PreparedSheet> UnitWindow::prepareSheet(
    const std::vector<int>& /*operands*/, const RowLayout& layout)
{
    const Unit* chosenUnit = unit();
    const int entryIndex = m_entries->currentIndex();
    if (!chosenUnit || entryIndex < 0) {
        MessageBox::show(this, UnitTexts::kNoCatalogueMessage);
        return std::nullopt;
    }
    // Past the unit's entries stands 本单元综合.
    const UnitChoice choice { *edition(), *book(), *chosenUnit, itemAt(chosenUnit->entries, entryIndex) };
    // The entry's questions in their shares, made once for the check and
    // every pass (an entry may have over a million).
    auto shares = std::make_shared<const Shares::Node>(UnitDrill::shareTree(choice));
    if (!shares->holdsQuestions()) {
        MessageBox::show(this, kEmptyEntryMessage);
        return std::nullopt;
    }
    // Each pass draws the numbered sheet afresh from its own source.
    return PreparedSheet { UnitDrill::fileName(choice, sheetNumber()),
        [choice, shares, layout, number = sheetNumber()](SheetOutputs& outputs, const DrillPass& pass) {
            RandomSource random = RandomSource::forSheet(static_cast<std::uint32_t>(number));
            return UnitDrill::run(choice, *shares, layout, pass.answers, number, random, outputs);
        } };
}
