#include "drills/sets/SetDrillWindow.h"

#include "common/DistinctTexts.h"
#include "common/Fonts.h"
#include "common/MessageBox.h"
#include "common/SettingText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString kCountTitle = QStringLiteral("要生成几题");
const QString kPerRowTitle = QStringLiteral("每行题数");
const QString kSetsTitle = QStringLiteral("共生成几套");
constexpr double kGridTitlePoints = 10.5;

constexpr std::array<int, 4> kColumnLefts { 3000, 3720, 4440, 5160 };
constexpr int kDividendTop = 2040;
constexpr int kDivisorTop = 2520;
constexpr int kCountTop = 3000;
constexpr int kBoxWidth = 615;
constexpr int kBoxHeight = 375;

constexpr std::array<std::array<const char*, 3>, 4> kBoxNames { {
    { "w11", "w12", "w13" },
    { "w21", "w22", "w23" },
    { "w31", "w32", "w33" },
    { "w41", "w42", "w43" },
} };

DrillLayout setDrillLayout(const QString& drillName)
{
    return {
        .drillName = drillName,
        .heading = { 2520, 720, 7215, 615 },
        .answerFrameName = "Frame1",
        .answerFrameCaption = QStringLiteral("是否打印答案"),
        .answerFrame = { 1560, 5280, 4455, 1095 },
        .option1 = { 2160, 5640, 855, 495 },
        .option2 = { 3480, 5640, 735, 495 },
        .option3 = { 4560, 5640, 1335, 495 },
        .outputFrameName = "Frame2",
        .outputFrame = { 6600, 1920, 3975, 1815 },
        .check1 = { 6840, 2640, 1695, 495 },
        .check2 = { 8520, 2640, 1935, 495 },
        .buttonFrameName = "Frame3",
        .buttonFrame = { 6600, 4200, 3975, 2175 },
        .command1 = { 8160, 4680, 1695, 495 },
        .command2 = { 8160, 5520, 1695, 495 },
        .command3 = { 6690, 4680, 1425, 495 },
        .progressName = "Text3",
        .progress = { 1200, 6840, 9615, 495 },
        .progressPoints = 12,
        .completionName = "Label4",
        .completion = { 1200, 7560, 9615, 495 },
    };
}

void smallTitle(QWidget* window, const char* name, const QString& text, Twips place)
{
    Controls::label(window, name, text, place)->setFont(Fonts::songti(kGridTitlePoints));
}
} // namespace

SetDrillWindow::SetDrillWindow(DrillEnvironment& environment, SetDrillDefinition definition, QWidget* parent)
    : DrillWindow(environment, setDrillLayout(definition.drillName), parent)
    , m_definition(std::move(definition))
{
    smallTitle(this, "Label2", m_definition.firstTitle, { 1560, 2040, 1335, 375 });
    smallTitle(this, "Label3", m_definition.secondTitle, { 1560, 2640, 1335, 255 });
    smallTitle(this, "Label6", kCountTitle, { 1560, 3120, 1215, 375 });

    for (std::size_t k = 0; k < m_grid.size(); ++k) {
        const int left = kColumnLefts[k];
        const auto box = [&](int row, int top) {
            return Controls::textBox(this, kBoxNames[k][row], QString::number(m_definition.defaults[k][row]),
                { left, top, kBoxWidth, kBoxHeight });
        };
        m_grid[k] = { box(0, kDividendTop), box(1, kDivisorTop), box(2, kCountTop) };
    }

    m_perRow = addSetting("Label5", kPerRowTitle, { 1560, 3960, 1095, 375 }, "ttt", QStringLiteral("5"),
        { 3000, 3840, 855, 375 });
    smallTitle(this, "Label7", kSetsTitle, { 1560, 4440, 1215, 375 });
    m_sets = Controls::textBox(this, "Text1", QStringLiteral("10"), { 3000, 4440, 855, 375 });
    if (m_definition.distinctKinds) {
        m_distinct = Controls::checkBox(
            this, DistinctTexts::kCheckName, DistinctTexts::kCheckCaption, { 4500, 4440, 1575, 495 });
    }
}

std::optional<int> SetDrillWindow::readNumber(const QString& text) const
{
    if (m_definition.roundsFractions) {
        return parseRoundedInt16(text);
    }
    // Whole numbers in the same 16-bit range; anything else fails its check.
    const auto value = parseWholeNumber(text);
    if (!inRange(value, -32768, 32767)) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::vector<KindBoxes> SetDrillWindow::readGrid() const
{
    std::vector<KindBoxes> grid;
    for (const KindColumn& column : m_grid) {
        grid.push_back({ readNumber(column.first->text()), readNumber(column.second->text()),
            readNumber(column.count->text()) });
    }
    return grid;
}

void SetDrillWindow::generate()
{
    const auto sets = readNumber(m_sets->text());
    if (!inRange(sets, 1, SetDrillTexts::kMaxSets)) {
        MessageBox::show(this, SetDrillTexts::kSetsMessage);
        return;
    }

    // Every set is checked on its own, so a faulty grid shows its messages
    // once per set; the boxes cannot change during the run, so when the
    // first set passes, all do.
    const KindGridCheck grid = KindGrid::check(readGrid(), m_definition.rules);
    if (!grid.messages.isEmpty()) {
        for (int n = 1; n <= *sets; ++n) {
            for (const QString& message : grid.messages) {
                MessageBox::show(this, message);
            }
        }
        return;
    }
    const auto perRow = parseWholeNumber(m_perRow->text());
    if (!perRow || *perRow < 1) {
        MessageBox::show(this, SetDrillTexts::kPerRowMessage);
        return;
    }

    const SetSheet& sheet = m_definition.sheet;
    int total = 0;
    for (const CheckedKind& kind : grid.kinds) {
        total += kind.count;
    }
    std::vector<SetKind> kinds;
    if (m_distinct && m_distinct->checkState() == Qt::Checked) {
        // Each set starts without used questions, so the kinds serve every set.
        auto distinct = m_definition.distinctKinds(grid.kinds);
        if (const auto* message = std::get_if<QString>(&distinct)) {
            MessageBox::show(this, *message);
            return;
        }
        kinds = std::move(std::get<std::vector<SetKind>>(distinct));
    } else {
        kinds = m_definition.kinds(grid.kinds);
    }
    const QString completion = DrillTexts::completion(total, SetDrill::filePattern(sheet));
    const bool done = runOnOutputs([&](SheetOutputs& outputs, const DrillPass& pass) {
        for (int n = 1; n <= *sets; ++n) {
            if (!SetDrill::writeSet(sheet, { n, *perRow, pass.answers }, kinds, pass.random, outputs)) {
                return false;
            }
            // Each set is reported as it is done.
            showCompletion(DrillTexts::progress(), completion);
        }
        return true;
    });
    if (done) {
        showCompletion(DrillTexts::progress(), completion);
    }
}
