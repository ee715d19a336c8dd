#include "requests/builder/label_choices.h"

namespace vn {

namespace {

const QString kOpenHint = QStringLiteral(
    "Hint:  The SQL system has the ability to remove duplicate mailing labels based on comparisons of the parent "
    "field contents or a comparison of the address.");
const QString kFamilyHint = QStringLiteral(
    "Hint:  Because you have asked for duplicate labels to be removed based on either the address or the family "
    "name, the first and last name can not be used.");
const QString kFinishedHint = QStringLiteral("Hint:  The SQL system has finished with your request.");

const QString kSampleFirstLine = QStringLiteral("Canned or User Defined First Line");
const QString kCustomSample = QStringLiteral("Custom Designed - Please enter desired Field Lines");
const QString kUndefinedSample = QStringLiteral("Undefined - Contact Halvorin");

// A made-up member for the sample label, by Head field number.
const HeadFields kSamplePerson = {
    QStringLiteral("smpwyalb000100000"), QStringLiteral("Mrs."), QStringLiteral("Marta"), QStringLiteral("J"),
    QStringLiteral("Lindqvist"), QString(), QStringLiteral("3075550142"), QString(), QString(),
    QStringLiteral("Club Treasurer"), QStringLiteral("Sage Creek Grange"), QStringLiteral("418 Cottonwood Lane"),
    QStringLiteral("P.O. Box 27"), QStringLiteral("Lander"), QStringLiteral("WY"), QStringLiteral("82520")};

bool isLineNumber(const QString& text) { return text.size() == 1 && text[0] >= u'1' && text[0] <= u'5'; }

}  // namespace

const std::array<const char*, kFirstLineChoices> kFirstLineCaptions{
    "Extension Client:", "Extension Client's at", "To all the fine folk's at", "To all interested parties at",
    "User Defined"};

LabelChoices::LabelChoices(RemoveDuplicates removeDuplicates) : m_removeDuplicates(std::move(removeDuplicates)) {}

void LabelChoices::start(MatchList matches) {
    *this = LabelChoices(std::move(m_removeDuplicates));
    m_evaluated = std::move(matches);
    m_matches = m_evaluated;
    m_hint = kOpenHint;
}

bool LabelChoices::familyMode() const {
    return m_mode == DuplicateMode::Family || m_mode == DuplicateMode::Address;
}

// A family or address label stands for several people: it has no name of one of them.
bool LabelChoices::boxEditable(int box) const {
    return m_style == kCustomStyle && box >= 0 && box < kLabelBoxCount &&
           !(familyMode() && kLabelBoxes[std::size_t(box)].entry == LabelEntry::Name);
}

void LabelChoices::chooseMode(DuplicateMode mode) {
    m_mode = mode;
    m_matches = m_evaluated;
    m_firstLine = 0;
    m_userText.clear();
    m_focusUserText = false;
    m_style = 0;
    m_boxes = {};
    m_numberLeft = false;
    m_reSelected = false;
    if (familyMode()) m_hint = kFamilyHint;
}

void LabelChoices::chooseFirstLine(int choice) {
    if (!m_mode || m_mode == DuplicateMode::None || choice < 1 || choice > kFirstLineChoices) return;
    // Always from the evaluation's matches, so a mode chosen again gives the same labels.
    if (familyMode()) m_matches = m_removeDuplicates(m_evaluated, *m_mode);
    m_firstLine = choice;
    m_focusUserText = choice == kUserFirstLine;
    m_reSelected = false;
    m_hint = kFinishedHint;
}

void LabelChoices::typeUserText(const QString& text) { m_userText = text; }

void LabelChoices::leaveUserText() { m_focusUserText = false; }

void LabelChoices::chooseStyle(int style) {
    if (!m_mode || m_mode == DuplicateMode::None || style < 1 || style > kCustomStyle) return;
    m_style = style;
    m_numberLeft = false;
    m_reSelected = false;
    const std::optional<LabelLayout> standard = standardLayout(*m_mode, style);
    m_boxes = standard ? boxesOf(*standard) : std::array<QString, kLabelBoxCount>{};
}

void LabelChoices::typeBox(int box, const QString& text) {
    if (boxEditable(box) && (text.isEmpty() || isLineNumber(text))) m_boxes[std::size_t(box)] = text;
}

void LabelChoices::leaveBox(int box) {
    if (!boxEditable(box) || !isLineNumber(m_boxes[std::size_t(box)])) return;
    m_numberLeft = true;
    m_reSelected = false;
}

void LabelChoices::clearBoxes() {
    if (m_style != kCustomStyle) return;
    m_boxes = {};
    m_numberLeft = false;
}

void LabelChoices::chooseCasing(LabelCasing casing) { m_casing = casing; }

void LabelChoices::chooseSort(LabelSort sort) { m_sort = sort; }

void LabelChoices::reSelect() { m_reSelected = true; }

// Records take styles 1 to 4 as they are, style 5 with its first line; families and addresses
// need their first line with either style; a custom layout needs a line number typed in.
bool LabelChoices::outputAllowed() const {
    const bool firstLine = m_firstLine != 0;
    if (m_mode == DuplicateMode::Record) {
        if (m_style == kCustomStyle) return m_numberLeft;
        return (m_style >= 1 && m_style <= 4) || (m_style == 5 && firstLine);
    }
    if (!familyMode() || !firstLine) return false;
    return m_style == kCustomStyle ? m_numberLeft : m_style == 1 || m_style == 2;
}

QString LabelChoices::firstLineText() const {
    if (m_firstLine == kUserFirstLine) return m_userText;
    if (m_firstLine < 1 || m_firstLine > kFirstLineChoices) return {};
    return QString::fromUtf8(kFirstLineCaptions[std::size_t(m_firstLine - 1)]);
}

std::optional<LabelLayout> LabelChoices::layout() const {
    if (!m_mode) return std::nullopt;
    if (m_style == kCustomStyle) return customLayout(m_boxes);
    return standardLayout(*m_mode, m_style);
}

LabelSetup LabelChoices::setup() const {
    return {layout().value_or(LabelLayout{}), firstLineText(), m_casing, m_sort};
}

LabelChoicesState LabelChoices::state() const {
    LabelChoicesState s;
    const bool chosen = m_mode && m_mode != DuplicateMode::None;
    s.mode = m_mode;
    s.firstLineShown = chosen;
    s.firstLineTitle = familyMode() ? QStringLiteral("Select label first line (Required)...")
                                    : QStringLiteral("Select label first line (Optional)...");
    s.firstLine = m_firstLine;
    s.userTextShown = chosen && m_firstLine == kUserFirstLine;
    s.focusUserText = s.userTextShown && m_focusUserText;
    s.userText = m_userText;
    s.recordStylesShown = m_mode == DuplicateMode::Record;
    s.familyStylesShown = familyMode();
    s.style = m_style;
    s.boxesShown = chosen;
    s.boxes = m_boxes;
    for (int box = 0; box < kLabelBoxCount; ++box) s.boxEditable[std::size_t(box)] = boxEditable(box);
    s.clearEnabled = m_style == kCustomStyle;
    s.casing = m_casing;
    s.sort = m_sort;
    s.sampleShown = chosen && m_style != 0;
    if (m_style == kCustomStyle) s.sample = QStringList{kCustomSample};
    else if (const std::optional<LabelLayout> standard = layout()) s.sample = labelLines(*standard, kSampleFirstLine, kSamplePerson);
    else s.sample = QStringList{kUndefinedSample};
    s.matches = QString::number(m_matches.size());
    s.outputShown = chosen && outputAllowed() && !m_reSelected;
    s.hint = m_hint;
    return s;
}

}  // namespace vn
