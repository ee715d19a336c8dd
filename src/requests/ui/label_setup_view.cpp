#include "requests/ui/label_setup_view.h"

#include "platform/ui/named_button.h"
#include "requests/ui/queue_name_box.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr int kHintLines = 3;
constexpr int kSampleWidth = 300;

struct Choice {
    QString caption;
    QString name;
    int id;
};

// A group of radio buttons filled column by column; a click reports the choice's id.
QGroupBox* choiceGroup(const QString& title, const QString& name, const QList<Choice>& choices, int columns,
                       QButtonGroup*& buttons, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    auto* grid = new QGridLayout(group);
    buttons = new QButtonGroup(group);
    const qsizetype rows = (choices.size() + columns - 1) / columns;
    for (qsizetype i = 0; i < choices.size(); ++i) {
        auto* radio = new QRadioButton(choices[i].caption, group);
        radio->setObjectName(choices[i].name);
        buttons->addButton(radio, choices[i].id);
        grid->addWidget(radio, int(i % rows), int(i / rows));
    }
    return group;
}

// Ticks the button of the id, or none.
void tick(QButtonGroup* buttons, std::optional<int> id) {
    buttons->setExclusive(false);
    for (QAbstractButton* b : buttons->buttons()) b->setChecked(id && buttons->id(b) == *id);
    buttons->setExclusive(true);
}

// "Style 1" to "Style 7" and "Custom", named after the group.
QList<Choice> styleChoices(const QString& prefix) {
    QList<Choice> choices;
    for (int style = 1; style <= kLabelStyles; ++style)
        choices.append({QStringLiteral("Style %1").arg(style), QStringLiteral("%1Style%2Radio").arg(prefix).arg(style), style});
    choices.append({QStringLiteral("Custom"), prefix + QStringLiteral("StyleCustomRadio"), kCustomStyle});
    return choices;
}

// "Position / Title" -> "positionTitleLineEdit".
QString boxName(const QString& caption) {
    QString name;
    bool wordStart = false;
    for (QChar c : caption) {
        if (!c.isLetterOrNumber()) {
            wordStart = !name.isEmpty();
            continue;
        }
        name += name.isEmpty() ? c.toLower() : wordStart ? c.toUpper() : c;
        wordStart = false;
    }
    return name + QStringLiteral("LineEdit");
}

// The caption above its control, the caption its buddy.
QWidget* captioned(const QString& caption, QWidget* control, QWidget* parent) {
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(caption, column);
    label->setBuddy(control);
    layout->addWidget(label);
    layout->addWidget(control);
    layout->addStretch(1);
    return column;
}

void setTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

}  // namespace

LabelSetupView::LabelSetupView(Drive drive, QWidget* parent) : QWidget(parent), m_drive(std::move(drive)) {
    setObjectName(QStringLiteral("labelSetupView"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Select Label Setup..."), this);
    title->setObjectName(QStringLiteral("labelSetupTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    auto* columns = new QHBoxLayout;
    columns->addWidget(buildChoices());
    auto* middle = new QVBoxLayout;
    middle->addWidget(buildFirstLine());
    middle->addWidget(buildStyles());
    middle->addStretch(1);
    columns->addLayout(middle);
    columns->addWidget(buildLayoutBoxes(), 0, Qt::AlignTop);
    columns->addWidget(buildSample(), 1);
    layout->addLayout(columns, 1);
    m_hint = new QPlainTextEdit(this);
    m_hint->setObjectName(QStringLiteral("labelHint"));
    m_hint->setAccessibleName(QStringLiteral("Hint"));
    m_hint->setReadOnly(true);
    m_hint->setFixedHeight(m_hint->fontMetrics().lineSpacing() * kHintLines + 2 * m_hint->frameWidth() + 8);
    layout->addWidget(m_hint);
    layout->addWidget(buildBottom());
}

// "One label per...", casing, sorting and the matches.
QWidget* LabelSetupView::buildChoices() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    using D = DuplicateMode;
    layout->addWidget(choiceGroup(QStringLiteral("One label per..."), QStringLiteral("labelModeGroup"),
                                  {{QStringLiteral("Record(s)"), QStringLiteral("perRecordRadio"), int(D::Record)},
                                   {QStringLiteral("Family"), QStringLiteral("perFamilyRadio"), int(D::Family)},
                                   {QStringLiteral("Address"), QStringLiteral("perAddressRadio"), int(D::Address)},
                                   {QStringLiteral("Cancel"), QStringLiteral("labelCancelRadio"), int(D::None)}},
                                  1, m_modes, column));
    using C = LabelCasing;
    layout->addWidget(choiceGroup(QStringLiteral("Label Casing"), QStringLiteral("labelCasingGroup"),
                                  {{QStringLiteral("Print Data as Stored"), QStringLiteral("asStoredRadio"), int(C::AsStored)},
                                   {QStringLiteral("Normal (Upper case first letter)"), QStringLiteral("normalCaseRadio"), int(C::Normal)},
                                   {QStringLiteral("USPS (All caps, no punctuation)"), QStringLiteral("uspsCaseRadio"), int(C::Usps)}},
                                  1, m_casings, column));
    layout->addWidget(choiceGroup(QStringLiteral("Label Sorting"), QStringLiteral("labelSortingGroup"),
                                  {{QStringLiteral("by Zip Code"), QStringLiteral("byZipRadio"), int(LabelSort::ByZip)},
                                   {QStringLiteral("by Name"), QStringLiteral("byNameRadio"), int(LabelSort::ByName)}},
                                  1, m_sorts, column));
    auto* caption = new QLabel(QStringLiteral("Matches..."), column);
    m_matches = new QLabel(column);
    m_matches->setObjectName(QStringLiteral("labelMatchesLabel"));
    m_matches->setFrameShape(QFrame::Panel);
    m_matches->setFrameShadow(QFrame::Sunken);
    caption->setBuddy(m_matches);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(m_matches, 1);
    layout->addLayout(row);
    layout->addStretch(1);
    connect(m_modes, &QButtonGroup::idClicked, this,
            [this](int id) { m_drive([id](LabelChoices& c) { c.chooseMode(DuplicateMode(id)); }); });
    connect(m_casings, &QButtonGroup::idClicked, this,
            [this](int id) { m_drive([id](LabelChoices& c) { c.chooseCasing(LabelCasing(id)); }); });
    connect(m_sorts, &QButtonGroup::idClicked, this,
            [this](int id) { m_drive([id](LabelChoices& c) { c.chooseSort(LabelSort(id)); }); });
    return column;
}

QWidget* LabelSetupView::buildFirstLine() {
    QList<Choice> choices;
    for (int choice = 1; choice <= kFirstLineChoices; ++choice)
        choices.append({QString::fromUtf8(kFirstLineCaptions[std::size_t(choice - 1)]),
                        QStringLiteral("firstLine%1Radio").arg(choice), choice});
    m_firstLineGroup = choiceGroup({}, QStringLiteral("firstLineGroup"), choices, 1, m_firstLines, this);
    m_userText = new QLineEdit(m_firstLineGroup);
    m_userText->setObjectName(QStringLiteral("userFirstLineEdit"));
    m_userTextRow = captioned(QStringLiteral("User Defined First Line Text..."), m_userText, m_firstLineGroup);
    static_cast<QGridLayout*>(m_firstLineGroup->layout())->addWidget(m_userTextRow, kFirstLineChoices, 0);
    connect(m_firstLines, &QButtonGroup::idClicked, this,
            [this](int id) { m_drive([id](LabelChoices& c) { c.chooseFirstLine(id); }); });
    connect(m_userText, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_drive([text](LabelChoices& c) { c.typeUserText(text); }); });
    connect(m_userText, &QLineEdit::editingFinished, this, [this] { m_drive(&LabelChoices::leaveUserText); });
    return m_firstLineGroup;
}

QWidget* LabelSetupView::buildStyles() {
    auto* styles = new QWidget(this);
    auto* layout = new QVBoxLayout(styles);
    layout->setContentsMargins(0, 0, 0, 0);
    m_recordStyleGroup = choiceGroup(QStringLiteral("Standard Layouts...  (Optional first line)"),
                                     QStringLiteral("recordStyleGroup"), styleChoices(QStringLiteral("record")), 2,
                                     m_recordStyles, styles);
    m_familyStyleGroup = choiceGroup(QStringLiteral("Standard Layouts...  (Required first line)"),
                                     QStringLiteral("familyStyleGroup"), styleChoices(QStringLiteral("family")), 2,
                                     m_familyStyles, styles);
    layout->addWidget(m_recordStyleGroup);
    layout->addWidget(m_familyStyleGroup);
    for (QButtonGroup* group : {m_recordStyles, m_familyStyles})
        connect(group, &QButtonGroup::idClicked, this,
                [this](int id) { m_drive([id](LabelChoices& c) { c.chooseStyle(id); }); });
    return styles;
}

// "Label Layout...": a line number box per entry, each captioned with its entry.
QGroupBox* LabelSetupView::buildLayoutBoxes() {
    m_layoutGroup = new QGroupBox(QStringLiteral("Label Layout..."), this);
    m_layoutGroup->setObjectName(QStringLiteral("labelLayoutGroup"));
    auto* grid = new QGridLayout(m_layoutGroup);
    grid->addWidget(new QLabel(QStringLiteral("Line: (1-5)"), m_layoutGroup), 0, 1);
    for (int box = 0; box < kLabelBoxCount; ++box) {
        const QString caption = QString::fromUtf8(kLabelBoxes[std::size_t(box)].caption);
        auto* label = new QLabel(caption, m_layoutGroup);
        auto* edit = new QLineEdit(m_layoutGroup);
        edit->setObjectName(boxName(caption));
        edit->setMaxLength(1);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[1-5]?")), edit));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 12);
        label->setBuddy(edit);
        grid->addWidget(label, box + 1, 0);
        grid->addWidget(edit, box + 1, 1);
        m_boxes[std::size_t(box)] = edit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, box](const QString& text) { m_drive([box, text](LabelChoices& c) { c.typeBox(box, text); }); });
        connect(edit, &QLineEdit::editingFinished, this,
                [this, box] { m_drive([box](LabelChoices& c) { c.leaveBox(box); }); });
    }
    m_clear = namedButton(QStringLiteral("Clear / Start Over"), "clearLayoutButton", m_layoutGroup);
    grid->addWidget(m_clear, kLabelBoxCount + 1, 0, 1, 2);
    connect(m_clear, &QPushButton::clicked, this, [this] { m_drive(&LabelChoices::clearBoxes); });
    return m_layoutGroup;
}

QWidget* LabelSetupView::buildSample() {
    m_sample = new QLabel(this);
    m_sample->setObjectName(QStringLiteral("sampleLabel"));
    m_sample->setTextFormat(Qt::PlainText);
    m_sample->setFrameShape(QFrame::Box);
    m_sample->setMargin(8);
    m_sample->setMinimumWidth(kSampleWidth);
    m_sample->setMaximumWidth(2 * kSampleWidth);
    m_sample->setWordWrap(true);
    m_sampleColumn = captioned(QStringLiteral("Sample Label:"), m_sample, this);
    QSizePolicy keepPlace = m_sampleColumn->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);  // the columns stay where they are
    m_sampleColumn->setSizePolicy(keepPlace);
    return m_sampleColumn;
}

// "Output to..." and, beside it, "Add to SQL Request Queue List...".
QWidget* LabelSetupView::buildBottom() {
    auto* bottom = new QWidget(this);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    m_output = new QGroupBox(QStringLiteral("Output to..."), bottom);
    m_output->setObjectName(QStringLiteral("labelOutputGroup"));
    auto* buttons = new QHBoxLayout(m_output);
    const std::pair<const char*, LabelOutput> outputs[] = {
        {"Screen", LabelOutput::Screen}, {"Printer", LabelOutput::Printer}, {"File", LabelOutput::File}};
    for (const auto& [caption, output] : outputs) {
        const QString name = QStringLiteral("label%1Button").arg(QString::fromLatin1(caption));
        auto* b = namedButton(QString::fromLatin1(caption), qPrintable(name), m_output);
        connect(b, &QPushButton::clicked, this, [this, output] { emit outputChosen(output); });
        buttons->addWidget(b);
    }
    auto* reSelect = namedButton(QStringLiteral("Re-Select"), "labelReSelectButton", m_output);
    connect(reSelect, &QPushButton::clicked, this, [this] { m_drive(&LabelChoices::reSelect); });
    buttons->addWidget(reSelect);
    row->addWidget(m_output, 0, Qt::AlignTop);
    row->addStretch(1);
    m_queue = new QueueNameBox(QStringLiteral("label"), QueueNameBox::Leaving::Ignored, bottom);
    row->addWidget(m_queue);
    return bottom;
}

void LabelSetupView::render(const LabelChoicesState& state, bool addToQueueShown) {
    tick(m_modes, state.mode ? std::optional<int>(int(*state.mode)) : std::nullopt);
    tick(m_casings, int(state.casing));
    tick(m_sorts, int(state.sort));
    m_matches->setText(state.matches);
    m_firstLineGroup->setVisible(state.firstLineShown);
    m_firstLineGroup->setTitle(state.firstLineTitle);
    tick(m_firstLines, state.firstLine > 0 ? std::optional<int>(state.firstLine) : std::nullopt);
    m_userTextRow->setVisible(state.userTextShown);
    setTextIfChanged(m_userText, state.userText);
    if (state.focusUserText && !m_userText->hasFocus()) m_userText->setFocus();
    const std::optional<int> style = state.style > 0 ? std::optional<int>(state.style) : std::nullopt;
    m_recordStyleGroup->setVisible(state.recordStylesShown);
    tick(m_recordStyles, state.recordStylesShown ? style : std::nullopt);
    m_familyStyleGroup->setVisible(state.familyStylesShown);
    tick(m_familyStyles, state.familyStylesShown ? style : std::nullopt);
    m_layoutGroup->setVisible(state.boxesShown);
    for (std::size_t box = 0; box < m_boxes.size(); ++box) {
        setTextIfChanged(m_boxes[box], state.boxes[box]);
        m_boxes[box]->setReadOnly(!state.boxEditable[box]);
    }
    m_clear->setEnabled(state.clearEnabled);
    m_sampleColumn->setVisible(state.sampleShown);
    m_sample->setText(state.sample.join(u'\n'));
    if (m_hint->toPlainText() != state.hint) m_hint->setPlainText(state.hint);
    m_output->setVisible(state.outputShown);
    m_queue->setOffered(addToQueueShown);
}

}  // namespace vn
