#include "designer/ui/page_designer_widget.h"

#include "designer/page_designer/field_help.h"
#include "designer/page_designer/page_designer.h"
#include "designer/siblings/header_link.h"
#include "designer/siblings/sibling_field_list.h"
#include "designer/ui/field_help_panel.h"
#include "designer/ui/header_link_panel.h"
#include "designer/ui/sibling_fields_panel.h"
#include "designer/ui/header_visibility_panel.h"
#include "designer/web/header_visibility.h"
#include "lists/pages/page_layout.h"
#include "designer/ui/field_input_panel.h"
#include "lists/ui/page_canvas.h"
#include "lists/ui/page_scroll_area.h"
#include "designer/ui/selection_list_editor_widget.h"
#include "platform/prompter.h"
#include "store/engine/store_error.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr const char* kPaletteNames[] = {"Text Field", "Memo Field", "Check Box", "Radio Button Grp",
                                         "Label", "URL / Email Link", "Table"};

QPushButton* button(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(true);
    return b;
}

QLabel* note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// The fixed header fields, shown as samples: they belong to every list and are not designed.
constexpr const char* kHeaderSamples[][2] = {
    {"Title", "Mr."},           {"First", ""},   {"M.I.", ""},      {"Last", ""},         {"Suffix", "None"},
    {"Phone", ""},              {"Work Phone", ""}, {"Email Address", ""}, {"Position / Title", ""}, {"Company", ""},
    {"Address 1", ""},          {"Address 2", ""}, {"City", ""},    {"State", ""},        {"Zip", ""},
};

}  // namespace

PageDesignerWidget::PageDesignerWidget(Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_prompter(prompter), m_measure(std::make_unique<QtTextMeasure>()) {
    setObjectName(QStringLiteral("pageDesignerView"));
    auto* layout = new QHBoxLayout(this);
    // The page column is as wide as the page; the views beside it take what is left.
    auto* pageColumn = new QWidget(this);
    auto* left = new QVBoxLayout(pageColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(buildHeader());
    left->addWidget(buildPageButtons());
    m_canvas = new PageCanvas(this);
    QScrollArea* scroll = pageScrollArea(m_canvas, pageColumn);
    left->addWidget(scroll);
    left->addStretch();
    pageColumn->setMaximumWidth(scroll->minimumWidth());
    layout->addWidget(pageColumn);
    auto* right = new QVBoxLayout;
    right->addWidget(buildWebRow());
    // The move buttons stay in sight above the views, whose inputs may be long (tables).
    right->addWidget(buildMoveButtons());
    m_panels = new QStackedWidget(this);
    m_panels->setObjectName(QStringLiteral("designerPanels"));
    m_options = buildOptions();
    m_palette = buildPalette();
    m_fields = new FieldInputPanel;
    auto* fieldsScroll = new QScrollArea(m_panels);
    fieldsScroll->setObjectName(QStringLiteral("fieldInputScroll"));
    fieldsScroll->setWidgetResizable(true);
    fieldsScroll->setWidget(m_fields);
    m_titleView = buildTitleView();
    m_dataNote = buildDataNote();
    m_headerVisibility = new HeaderVisibilityPanel(m_panels);
    for (QWidget* w : {m_options, m_palette, static_cast<QWidget*>(fieldsScroll), m_titleView, m_dataNote,
                       static_cast<QWidget*>(m_headerVisibility)})
        m_panels->addWidget(w);
    connect(m_headerVisibility, &HeaderVisibilityPanel::returnClicked, this,
            [this] { act([this] { m_designer->closeHeaderVisibility(); }); });
    m_fieldsView = fieldsScroll;
    buildSiblingViews();
    right->addWidget(m_panels, 1);
    layout->addLayout(right, 1);
    connect(m_canvas, &PageCanvas::fieldChosen, this, [this](int number) { act([this, number] { m_designer->select(number); }); });
    connect(m_fields, &FieldInputPanel::edited, this, [this] { act([this] { m_designer->editInputs(m_fields->inputs()); }); });
    connect(m_fields, &FieldInputPanel::nameOrSizeLeft, this, [this] {
        act([this] {
            m_designer->editInputs(m_fields->inputs());
            m_designer->leaveNameOrSize();
        });
    });
    connect(m_fields, &FieldInputPanel::placeClicked, this, [this] { act([this] { m_designer->place(); }); });
    connect(m_fields, &FieldInputPanel::cancelClicked, this, [this] { act([this] { m_designer->cancelAdd(); }); });
    connect(m_fields, &FieldInputPanel::deleteClicked, this, [this] { act([this] { m_designer->deleteField(); }); });
    connect(m_fields, &FieldInputPanel::selectionListClicked, this, [this] { openSelectionList(); });
    connect(m_fields, &FieldInputPanel::helpClicked, this, [this] { openFieldHelp(); });
    connect(m_fields, &FieldInputPanel::continueClicked, this, [this] {
        act([this] {
            if (m_designer->view().panel == DesignerPanel::Add) m_designer->continueAdd();
            else m_designer->confirmModify();
        });
    });
}

PageDesignerWidget::~PageDesignerWidget() = default;

QWidget* PageDesignerWidget::buildHeader() {
    auto* box = new QGroupBox(QStringLiteral("Header Fields..."), this);
    box->setObjectName(QStringLiteral("headerFieldsGroup"));
    auto* grid = new QGridLayout(box);
    m_recordCode = new QLineEdit(box);
    m_recordCode->setObjectName(QStringLiteral("recordCodeSample"));
    m_recordCode->setReadOnly(true);
    auto* codeLabel = new QLabel(QStringLiteral("Record Code"), box);
    codeLabel->setBuddy(m_recordCode);
    grid->addWidget(codeLabel, 0, 0);
    grid->addWidget(m_recordCode, 1, 0);
    int i = 1;
    for (const auto& sample : kHeaderSamples) {
        auto* edit = new QLineEdit(QString::fromLatin1(sample[1]), box);
        edit->setObjectName(QStringLiteral("headerSample%1").arg(i));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        auto* label = new QLabel(QString::fromLatin1(sample[0]), box);
        label->setBuddy(edit);
        grid->addWidget(label, (i / 8) * 2, i % 8);
        grid->addWidget(edit, (i / 8) * 2 + 1, i % 8);
        ++i;
    }
    return box;
}

QWidget* PageDesignerWidget::buildPageButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int p = 1; p <= 6; ++p) {
        QPushButton* b = button(QStringLiteral("Page %1").arg(p), QStringLiteral("page%1Button").arg(p), row);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QPushButton::clicked, this, [this, p] { act([this, p] { m_designer->switchPage(p); }); });
        // The right button on the current page's button opens its title view.
        connect(b, &QPushButton::customContextMenuRequested, this, [this, p] {
            if (m_designer && m_designer->view().page == p) act([this] { m_designer->openPageTitle(); });
        });
        m_pageButtons[p - 1] = b;
        layout->addWidget(b);
    }
    m_x = new QLabel(QStringLiteral("X = 0"), row);
    m_x->setObjectName(QStringLiteral("xLabel"));
    m_y = new QLabel(QStringLiteral("Y = 0"), row);
    m_y->setObjectName(QStringLiteral("yLabel"));
    layout->addStretch();
    layout->addWidget(m_x);
    layout->addWidget(m_y);
    return row;
}

QWidget* PageDesignerWidget::buildOptions() {
    auto* box = new QGroupBox(QStringLiteral("Available Options..."), m_panels);
    box->setObjectName(QStringLiteral("optionsView"));
    auto* layout = new QVBoxLayout(box);
    QPushButton* add = button(QStringLiteral("Add Screen Components"), QStringLiteral("addComponentsButton"), box);
    connect(add, &QPushButton::clicked, this, [this] { act([this] { m_designer->showPalette(); }); });
    layout->addWidget(add);
    m_displayDeleted = button(QStringLiteral("Display Deleted Fields"), QStringLiteral("displayDeletedButton"), box);
    connect(m_displayDeleted, &QPushButton::clicked, this, [this] { act([this] { m_designer->displayDeletedFields(); }); });
    layout->addWidget(m_displayDeleted);
    m_copySiblings = button(QStringLiteral("Copy Fields From Sibling Products"), QStringLiteral("copySiblingFieldsButton"), box);
    connect(m_copySiblings, &QPushButton::clicked, this, [this] {
        act([this] { m_designer->openOptionView(DesignerPanel::SiblingFields); });
    });
    m_copySiblings->setEnabled(false);
    layout->addWidget(m_copySiblings);
    m_linkHeader = button(QStringLiteral("Link Header Fields"), QStringLiteral("linkHeaderFieldsButton"), box);
    connect(m_linkHeader, &QPushButton::clicked, this, [this] {
        act([this] { m_designer->openOptionView(DesignerPanel::HeaderLink); });
    });
    m_linkHeader->setEnabled(false);
    layout->addWidget(m_linkHeader);
    for (int i = 0; i < 5; ++i) {
        m_copyButtons[i] = button(QStringLiteral("Copy Page"), QStringLiteral("copyPage%1Button").arg(i + 1), box);
        connect(m_copyButtons[i], &QPushButton::clicked, this, [this, i] {
            act([this, i] { m_designer->copyPage(m_designer->view().copyButtons[i].page); });
        });
        layout->addWidget(m_copyButtons[i]);
    }
    QPushButton* erase = button(QStringLiteral("Erase all fields.  Start Over."), QStringLiteral("eraseButton"), box);
    connect(erase, &QPushButton::clicked, this, [this] { act([this] { m_designer->erasePage(); }); });
    layout->addWidget(erase);
    QPushButton* exit = button(QStringLiteral("Exit"), QStringLiteral("optionsExitButton"), box);
    connect(exit, &QPushButton::clicked, this, [this] {
        act([this] { m_designer->exit(); });
        emit exited();
    });
    layout->addWidget(exit);
    layout->addWidget(note(QStringLiteral("Number(s)  in the edit or text fields indicate tab order."), box));
    layout->addWidget(note(QStringLiteral("LEFT click any existing field to modify/delete the field."), box));
    layout->addStretch();
    return box;
}

QWidget* PageDesignerWidget::buildPalette() {
    auto* box = new QGroupBox(QStringLiteral("Add...  "), m_panels);
    box->setObjectName(QStringLiteral("paletteView"));
    auto* layout = new QVBoxLayout(box);
    for (int k = 0; k < 7; ++k) {
        m_paletteButtons[k] = button(QString::fromLatin1(kPaletteNames[k]), QStringLiteral("addKind%1Button").arg(k + 1), box);
        connect(m_paletteButtons[k], &QPushButton::clicked, this, [this, k] { act([this, k] { m_designer->add(FieldKind(k + 1)); }); });
        layout->addWidget(m_paletteButtons[k]);
    }
    QPushButton* cancel = button(QStringLiteral("Cancel"), QStringLiteral("paletteCancelButton"), box);
    connect(cancel, &QPushButton::clicked, this, [this] { act([this] { m_designer->closePalette(); }); });
    layout->addWidget(cancel);
    layout->addWidget(note(QStringLiteral("(   ) indicates number of remaining components available on current page."), box));
    layout->addWidget(note(QStringLiteral("Number(s) in the text or edit fields indicate tab order."), box));
    layout->addStretch();
    return box;
}

QWidget* PageDesignerWidget::buildTitleView() {
    auto* box = new QGroupBox(QStringLiteral("Page Titles:"), m_panels);
    box->setObjectName(QStringLiteral("pageTitleView"));
    auto* form = new QFormLayout(box);
    m_titlePage = new QLabel(box);
    m_titlePage->setObjectName(QStringLiteral("pageTitleName"));
    form->addRow(QStringLiteral("Enter page title for:"), m_titlePage);
    m_titleEdit = new QLineEdit(box);
    m_titleEdit->setObjectName(QStringLiteral("pageTitleEdit"));
    form->addRow(QStringLiteral("Page title"), m_titleEdit);
    form->addRow(note(QStringLiteral("NOTE: The page title can not exceed 12 characters in length."), box));
    QPushButton* ok = button(QStringLiteral("Continue"), QStringLiteral("pageTitleContinueButton"), box);
    form->addRow(ok);
    connect(m_titleEdit, &QLineEdit::editingFinished, this, [this] {
        if (!m_rendering) act([this] { m_designer->leavePageTitle(m_titleEdit->text()); });
    });
    connect(ok, &QPushButton::clicked, this, [this] { act([this] { m_designer->confirmPageTitle(m_titleEdit->text()); }); });
    return box;
}

// "Set Header Field Visibility" and the direct form access address with its note.
QWidget* PageDesignerWidget::buildWebRow() {
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    QPushButton* visibility =
        button(QStringLiteral("Set Header Field Visibility"), QStringLiteral("headerVisibilityButton"), row);
    connect(visibility, &QPushButton::clicked, this, [this] { act([this] { m_designer->openHeaderVisibility(); }); });
    m_directAddress = new QLineEdit(row);
    m_directAddress->setObjectName(QStringLiteral("directAddressEdit"));
    m_directAddress->setReadOnly(true);
    auto* caption = new QLabel(QStringLiteral("Direct Form Access URL:"), row);
    caption->setBuddy(m_directAddress);
    auto* hint = new QLabel(QStringLiteral("Note: Copy and paste the above URL into an email(s) to give the recipient "
                                           "direct access to the form (skipping the state / list selection / password "
                                           "data inputs)"),
                            row);
    hint->setWordWrap(true);
    grid->addWidget(visibility, 0, 0, 1, 2);
    grid->addWidget(caption, 1, 0);
    grid->addWidget(m_directAddress, 1, 1);
    grid->addWidget(hint, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return row;
}

void PageDesignerWidget::setHeaderVisibility(std::unique_ptr<HeaderVisibility> flags) {
    m_visibilityFlags = std::move(flags);
}

void PageDesignerWidget::showDirectAddress(const QString& address) { m_directAddress->setText(address); }

QWidget* PageDesignerWidget::buildDataNote() {
    auto* box = new QGroupBox(QStringLiteral("Form Contains Data"), m_panels);
    box->setObjectName(QStringLiteral("dataNoteView"));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(note(QStringLiteral("This form contains data and cannot be changed once data has been collected."), box));
    layout->addWidget(note(QStringLiteral("Consider either removing all data from this list (this will unlock the form and "
                                          "allow changes) or designing a new list."), box));
    QPushButton* exit = button(QStringLiteral("Exit"), QStringLiteral("dataNoteExitButton"), box);
    connect(exit, &QPushButton::clicked, this, [this] { act([this] { m_designer->closeDataNote(); }); });
    layout->addWidget(exit);
    layout->addStretch();
    return box;
}

QWidget* PageDesignerWidget::buildMoveButtons() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    m_moveGroup = new QGroupBox(QStringLiteral("Move"), box);
    m_moveGroup->setObjectName(QStringLiteral("moveGroup"));
    auto* grid = new QGridLayout(m_moveGroup);
    struct Arrow {
        const char* caption;
        const char* name;
        MoveDirection direction;
        int row, column;
    };
    constexpr Arrow arrows[] = {{"Up", "moveUpButton", MoveDirection::Up, 0, 1},
                                {"Left", "moveLeftButton", MoveDirection::Left, 1, 0},
                                {"Right", "moveRightButton", MoveDirection::Right, 1, 2},
                                {"Down", "moveDownButton", MoveDirection::Down, 2, 1}};
    for (const Arrow& a : arrows) {
        QPushButton* b = button(QString::fromLatin1(a.caption), QString::fromLatin1(a.name), m_moveGroup);
        // Held down, a move button repeats its step.
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(page::kFirstRepeatMilliseconds);
        b->setAutoRepeatInterval(page::kRepeatMilliseconds);
        const MoveDirection direction = a.direction;
        connect(b, &QPushButton::clicked, this, [this, direction] { act([this, direction] { m_designer->move(direction); }); });
        grid->addWidget(b, a.row, a.column);
    }
    layout->addWidget(m_moveGroup);
    m_resizeGroup = new QGroupBox(QStringLiteral("Resize"), box);
    m_resizeGroup->setObjectName(QStringLiteral("resizeGroup"));
    auto* sizes = new QHBoxLayout(m_resizeGroup);
    struct Size {
        const char* caption;
        const char* name;
        MemoResize step;
    };
    constexpr Size steps[] = {{"Wider", "widerButton", MemoResize::Wider},
                              {"Narrower", "narrowerButton", MemoResize::Narrower},
                              {"Taller", "tallerButton", MemoResize::Taller},
                              {"Shorter", "shorterButton", MemoResize::Shorter}};
    for (const Size& s : steps) {
        QPushButton* b = button(QString::fromLatin1(s.caption), QString::fromLatin1(s.name), m_resizeGroup);
        const MemoResize step = s.step;
        connect(b, &QPushButton::clicked, this, [this, step] { act([this, step] { m_designer->resizeMemo(step); }); });
        sizes->addWidget(b);
    }
    layout->addWidget(m_resizeGroup);
    return box;
}

void PageDesignerWidget::setSelectionAccess(RecordAccess& access) {
    if (m_selectionEditor) return;
    m_selectionEditor = new SelectionListEditorWidget(access, m_prompter, m_panels);
    m_panels->addWidget(m_selectionEditor);
    connect(m_selectionEditor, &SelectionListEditorWidget::exited, this, [this] { render(); });
}

// From the add view the field's row is created first: its slot names the items.
void PageDesignerWidget::openSelectionList() {
    if (!m_selectionEditor || !m_designer) return;
    bool ready = false;
    act([this, &ready] {
        m_designer->editInputs(m_fields->inputs());
        ready = m_designer->view().panel != DesignerPanel::Add || m_designer->ensureRow();
    });
    const PageDesignerView& v = m_designer->view();
    const FieldDefinition& row = m_designer->definitions().definition(v.page, v.currentDefinition);
    if (!ready || !row.exists()) return;
    m_selectionEditor->open(selectionListPrefix(m_designer->definitions().listCode(), v.page, row.slot), row.key);
    m_panels->setCurrentWidget(m_selectionEditor);
}

// The help view and the views that reach the sibling products; each acts through its rules.
void PageDesignerWidget::buildSiblingViews() {
    m_helpPanel = new FieldHelpPanel(m_panels);
    m_siblingPanel = new SiblingFieldsPanel(m_panels);
    m_headerLinkPanel = new HeaderLinkPanel(m_panels);
    for (QWidget* w : std::initializer_list<QWidget*>{m_helpPanel, m_siblingPanel, m_headerLinkPanel}) m_panels->addWidget(w);
    m_siblingFields = std::make_unique<SiblingFieldList>(m_prompter);
    connect(m_helpPanel, &FieldHelpPanel::saveClicked, this, [this] {
        act([this] {
            if (m_fieldHelp->save(m_helpPanel->text())) m_designer->closeFieldHelp();
        });
    });
    connect(m_siblingPanel, &SiblingFieldsPanel::setChosen, this, [this](int set) { act([this, set] { m_siblingFields->chooseSet(set); }); });
    connect(m_siblingPanel, &SiblingFieldsPanel::returnClicked, this, [this] { act([this] { m_siblingFields->returnToSets(); }); });
    connect(m_siblingPanel, &SiblingFieldsPanel::exitClicked, this, [this] { act([this] { m_designer->closeOptionView(); }); });
    connect(m_siblingPanel, &SiblingFieldsPanel::fieldChosen, this, [this](int number) {
        act([this, number] { m_siblingFields->chooseField(*m_designer, number); });
    });
    connect(m_headerLinkPanel, &HeaderLinkPanel::chosen, this, [this](int code) {
        act([this, code] {
            if (m_headerLink) m_headerLink->choose(code);
        });
    });
    connect(m_headerLinkPanel, &HeaderLinkPanel::returnClicked, this, [this] { act([this] { m_designer->closeOptionView(); }); });
}

void PageDesignerWidget::setHelpAccess(RecordAccess& access, HelpAgent& agent) {
    m_fieldHelp = std::make_unique<FieldHelp>(access, m_prompter, agent);
    m_selectionEditor->setHelpAgent(agent);
}

void PageDesignerWidget::setSiblings(const SiblingPlaces& places, std::unique_ptr<HeaderLink> link) {
    m_siblingFields->open(places);
    m_headerLink = std::move(link);
    m_copySiblings->setEnabled(places.anyPresent());
    m_linkHeader->setEnabled(places.anyPresent() && m_headerLink);
}

// From the add view the field's row is created first, so that the text has its key.
void PageDesignerWidget::openFieldHelp() {
    if (!m_fieldHelp) return;
    act([this] {
        m_designer->editInputs(m_fields->inputs());
        if (m_designer->openFieldHelp()) m_fieldHelp->open(m_designer->editedKey());
    });
}

void PageDesignerWidget::open(std::unique_ptr<PageDesigner> designer) {
    m_designer = std::move(designer);
    act([this] { m_designer->open(); });
}

// Every action goes through the rules; the view is then drawn again from their state.
void PageDesignerWidget::act(const std::function<void()>& action) {
    if (!m_designer || m_rendering) return;
    try {
        action();
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
    }
    render();
}

void PageDesignerWidget::render() {
    if (!m_designer) return;
    m_rendering = true;
    const PageDesignerView& v = m_designer->view();
    m_recordCode->setText(v.recordCodeSample);
    for (int p = 0; p < 6; ++p) {
        m_pageButtons[p]->setText(v.pageButtons[p].caption);
        QFont font = m_pageButtons[p]->font();
        font.setBold(v.pageButtons[p].bold);
        m_pageButtons[p]->setFont(font);
        m_pageButtons[p]->setEnabled(v.pageButtonsEnabled);
    }
    for (int i = 0; i < 5; ++i) {
        m_copyButtons[i]->setText(v.copyButtons[i].caption);
        m_copyButtons[i]->setEnabled(v.copyButtons[i].enabled);
    }
    m_displayDeleted->setEnabled(v.displayDeletedEnabled);
    for (int k = 0; k < 7; ++k) {
        m_paletteButtons[k]->setText(v.palette[k].caption);
        m_paletteButtons[k]->setEnabled(v.palette[k].enabled);
    }
    m_x->setText(QStringLiteral("X = %1").arg(v.x));
    m_y->setText(QStringLiteral("Y = %1").arg(v.y));
    m_moveGroup->setEnabled(v.moveEnabled);
    m_resizeGroup->setVisible(v.kind == FieldKind::Memo && (v.panel == DesignerPanel::Add || v.panel == DesignerPanel::Modify));
    m_resizeGroup->setEnabled(v.resizeEnabled);
    m_canvas->setItems(layoutPage(m_designer->definitions(), v.page, *m_measure, true));
    m_canvas->setHighlight(v.highlighted);
    m_canvas->setFieldsEnabled(v.fieldsEnabled);
    renderPanel();
    m_rendering = false;
    if (m_designer->takeFocus() == DesignerFocus::PageTitle) m_titleEdit->setFocus();
    emit menuLockChanged(v.menuEnabled);
}

void PageDesignerWidget::renderPanel() {
    const PageDesignerView& v = m_designer->view();
    switch (v.panel) {
    case DesignerPanel::Options: m_panels->setCurrentWidget(m_options); break;
    case DesignerPanel::Palette: m_panels->setCurrentWidget(m_palette); break;
    case DesignerPanel::Add:
    case DesignerPanel::Modify:
        m_fields->showKind(v.kind, v.panel == DesignerPanel::Add);
        m_fields->setInputs(v.inputs, v.labelCharactersRemaining);
        m_fields->setButtons(v.placeEnabled, v.cancelEnabled);
        m_fields->setSelectionListEnabled(v.selectionListEnabled && m_selectionEditor);
        m_fields->setHelpShown(v.helpEnabled && m_fieldHelp);
        m_panels->setCurrentWidget(m_fieldsView);
        break;
    case DesignerPanel::PageTitle:
        m_titlePage->setText(v.pageTitleName);
        m_titleEdit->setText(v.pageTitleText);
        m_panels->setCurrentWidget(m_titleView);
        break;
    case DesignerPanel::DataNote: m_panels->setCurrentWidget(m_dataNote); break;
    case DesignerPanel::HeaderVisibility:
        if (m_panels->currentWidget() != m_headerVisibility) m_headerVisibility->open(m_visibilityFlags.get());
        m_panels->setCurrentWidget(m_headerVisibility);
        break;
    case DesignerPanel::FieldHelp:
        if (m_panels->currentWidget() != m_helpPanel) m_helpPanel->open(*m_fieldHelp);
        m_panels->setCurrentWidget(m_helpPanel);
        break;
    case DesignerPanel::SiblingFields:
        if (m_panels->currentWidget() != m_siblingPanel) m_siblingFields->returnToSets();
        m_siblingPanel->render(*m_siblingFields);
        m_panels->setCurrentWidget(m_siblingPanel);
        break;
    case DesignerPanel::HeaderLink:
        if (m_headerLink) m_headerLinkPanel->render(*m_headerLink);
        m_panels->setCurrentWidget(m_headerLinkPanel);
        break;
    case DesignerPanel::None: break;
    }
}

}  // namespace vn
