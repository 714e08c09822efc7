// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/units/UnitWindow.h"

#include "common/MessageBox.h"
#include "common/SettingText.h"
#include "forms/UnitForm.h"

#include <QComboBox>
#include <QFileInfo>
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

UnitWindow::UnitWindow(DrillEnvironment& environment, const UnitDrillDefinition& definition, QWidget* parent)
    : DrillWindow(environment, UnitForm::drillLayout(definition.drillName), parent)
    , m_definition(definition)
    , m_catalogue(definition.catalogue ? *definition.catalogue : UnitCatalogue::standard())
{
    using namespace UnitForm;
    m_editions = addList(0, kEditionLabel, kEditionTitle, kEditionList);
    m_books = addList(1, kBookLabel, kBookTitle, kBookList);
    m_units = addList(2, kUnitLabel, kUnitTitle, kUnitList);
    m_entries = addList(3, kEntryLabel, kEntryTitle, kEntryList);
    const RowLayout& initial = definition.initialLayout;
    m_perRow = addLayoutBox(0, RowForm::kPerRowLabel, RowDrill::kPerRowTitle, kPerRowBox, initial.perRow);
    m_rows = addLayoutBox(1, RowForm::kRowsLabel, RowDrill::kRowsTitle, kRowsBox, initial.rowsPerPage);
    m_pages = addLayoutBox(2, RowForm::kPagesLabel, RowDrill::kPagesTitle, kPagesBox, initial.pages);

    for (const Edition& edition : m_catalogue.editions()) {
        m_editions->addItem(edition.name);
    }
    fillBooks();
    // Changing one list refills those after it, each at its first item.
    connect(m_editions, &QComboBox::currentIndexChanged, this, &UnitWindow::fillBooks);
    connect(m_books, &QComboBox::currentIndexChanged, this, &UnitWindow::fillUnits);
    connect(m_units, &QComboBox::currentIndexChanged, this, &UnitWindow::fillEntries);
}

QComboBox* UnitWindow::addList(int line, const char* labelName, const QString& title, const char* listName)
{
    QLabel* label = Controls::label(this, labelName, title, UnitForm::listLabel(line));
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(listName));
    list->setGeometry(UnitForm::listBox(line).toPixels());
    list->setAccessibleName(title);
    label->setBuddy(list);
    return list;
}

QLineEdit* UnitWindow::addLayoutBox(
    int line, const char* labelName, const QString& title, const char* boxName, int initial)
{
    QLineEdit* box = addSetting(labelName, title, UnitForm::settingLabel(line), boxName,
        QString::number(initial), UnitForm::settingBox(line));
    box->setAccessibleName(title);
    return box;
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
    }
    fillEntries();
}

void UnitWindow::fillEntries()
{
    m_entries->clear();
    if (const Unit* chosen = unit()) {
        for (const UnitEntry& entry : chosen->entries) {
            m_entries->addItem(entry.name);
        }
        if (UnitDrill::offersWholeUnit(*chosen)) {
            m_entries->addItem(UnitTexts::kWholeUnit);
        }
    }
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

void UnitWindow::showEvent(QShowEvent* event)
{
    DrillWindow::showEvent(event);
    if (!m_listsFirst) {
        // Each widget moves to just after the one before it: the lists, then the boxes.
        QWidget* const chain[] = { m_editions, m_books, m_units, m_entries, m_perRow, m_rows, m_pages };
        for (std::size_t i = 1; i < std::size(chain); ++i) {
            setTabOrder(chain[i - 1], chain[i]);
        }
        m_listsFirst = true;
    }
    m_editions->setFocus(Qt::OtherFocusReason);
}

std::optional<DrillWindow::DrillRun> UnitWindow::readRun()
{
    const Unit* chosenUnit = unit();
    const int entryIndex = m_entries->currentIndex();
    if (!chosenUnit || entryIndex < 0) {
        MessageBox::show(this, UnitTexts::kNoCatalogueMessage);
        return std::nullopt;
    }
    const auto layout
        = RowDrill::readLayout(m_perRow->text(), m_rows->text(), m_pages->text(), m_definition.layoutLimits);
    if (!layout) {
        MessageBox::show(this, RowDrill::countsMessage(m_definition.layoutLimits));
        return std::nullopt;
    }
    // Past the unit's entries stands 本单元综合.
    const UnitChoice choice { *edition(), *book(), *chosenUnit, itemAt(chosenUnit->entries, entryIndex) };
    if (UnitDrill::space(choice).count() == 0) {
        MessageBox::show(this, kEmptyEntryMessage);
        return std::nullopt;
    }
    const QString fileName = UnitDrill::fileName(choice);
    return DrillRun { [choice, layout = *layout](SheetOutputs& outputs, const DrillPass& pass) {
                         return UnitDrill::run(choice, layout, pass.answers, pass.random, outputs);
                     },
        DrillTexts::progress(), DrillTexts::completion(layout->questions(), fileName),
        QFileInfo(fileName).completeBaseName() };
}
