#include "designer/ui/field_input_panel.h"

#include "platform/printing/palette.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace vn {

namespace {

// The name box's caption by kind, in the add view and in the modify view.
struct NameCaption {
    const char* add;
    const char* modify;
    const char* title;
    const char* place;
};

constexpr NameCaption kNameCaptions[] = {
    {"", "", "", ""},
    {"Enter Text Field Name", "New Name", "Text Field", "Place On Screen"},
    {"Enter Memo Box Name", "Change Memo Box Name", "Memo Field", "Place Memo on Screen"},
    {"Enter Check Box Name", "Change Check Box Name", "Check Box", "Place Check Box on Screen"},
    {"Group", "Group", "Radio Button Group", "Place Group on Screen"},
    {"Enter Label:", "Enter Label:", "Label", "Place Label on Screen"},
    {"Enter URL / Email Address...", "Change URL/Email Address Name", "URL / Email Link", "Place Link on Screen"},
    {"Name:", "Name:", "Table", "Place Table on Screen"},
};

constexpr const char* kCharacterTypes[] = {"", "Y/N", "A..Z", "0..9", "Both"};

void setLabelText(QFormLayout* form, QWidget* field, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(field))) label->setText(text);
}

}  // namespace

FieldInputPanel::FieldInputPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fieldInputPanel"));
    m_form = new QFormLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("fieldViewTitle"));
    m_form->addRow(m_title);
    m_name = addEdit(m_form, QStringLiteral("Name"), "nameEdit");
    connect(m_name, &QLineEdit::editingFinished, this, [this] {
        if (!m_adding) emit nameOrSizeLeft();
    });
    buildText(m_form);
    buildRadio(m_form);
    buildLabel(m_form);
    buildTable(m_form);
    buildButtons(m_form);
}

QLineEdit* FieldInputPanel::addEdit(QFormLayout* form, const QString& caption, const char* objectName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    form->addRow(caption, edit);
    // The value, not the keys: text set by an on-screen keyboard or dictation counts as typed.
    connect(edit, &QLineEdit::textChanged, this, [this] {
        if (!m_rendering) emit edited();
    });
    return edit;
}

QCheckBox* FieldInputPanel::addCheck(QFormLayout* form, const QString& caption, const char* objectName) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(objectName));
    form->addRow(box);
    connect(box, &QCheckBox::toggled, this, [this] {
        if (!m_rendering) emit edited();
    });
    return box;
}

QSpinBox* FieldInputPanel::addSpin(QFormLayout* form, const QString& caption, const char* objectName, int maximum) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QString::fromLatin1(objectName));
    spin->setRange(0, maximum);
    form->addRow(caption, spin);
    connect(spin, &QSpinBox::valueChanged, this, [this] {
        if (!m_rendering) emit edited();
    });
    return spin;
}

void FieldInputPanel::buildText(QFormLayout* form) {
    m_size = addSpin(form, QStringLiteral("Field Size (Characters)"), "sizeSpin", 200);
    connect(m_size, &QSpinBox::editingFinished, this, [this] {
        if (!m_adding) emit nameOrSizeLeft();
    });
    m_characterType = new QComboBox(this);
    m_characterType->setObjectName(QStringLiteral("characterTypeCombo"));
    for (const char* type : kCharacterTypes) m_characterType->addItem(QString::fromLatin1(type));
    form->addRow(QStringLiteral("Character Type"), m_characterType);
    connect(m_characterType, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_rendering) emit edited();
    });
    m_required = addCheck(form, QStringLiteral("Required"), "requiredCheck");
    m_readOnly = addCheck(form, QStringLiteral("Read Only"), "readOnlyCheck");
    m_standardList = addCheck(form, QStringLiteral("Std Sel List"), "standardListCheck");
    m_exclusiveList = addCheck(form, QStringLiteral("Exc Sel List"), "exclusiveListCheck");
    m_selectionList = new QPushButton(QStringLiteral("Build Selection List"), this);
    m_selectionList->setObjectName(QStringLiteral("selectionListButton"));
    form->addRow(m_selectionList);
    connect(m_selectionList, &QPushButton::clicked, this, &FieldInputPanel::selectionListClicked);
}

void FieldInputPanel::buildRadio(QFormLayout* form) {
    for (int i = 0; i < 10; ++i)
        m_buttons[i] = addEdit(form, i == 0 ? QStringLiteral("Default") : QStringLiteral("Btn %1").arg(i + 1),
                               QStringLiteral("button%1Edit").arg(i + 1).toLatin1().constData());
}

void FieldInputPanel::buildLabel(QFormLayout* form) {
    m_remaining = new QLabel(this);
    m_remaining->setObjectName(QStringLiteral("charactersRemainingLabel"));
    form->addRow(QStringLiteral("Characters Remaining:"), m_remaining);
    m_labelWidth = addSpin(form, QStringLiteral("Width"), "labelWidthSpin", 83);
    m_fontSize = addSpin(form, QStringLiteral("Font Size"), "fontSizeSpin", 72);
    m_colour = new QComboBox(this);
    m_colour->setObjectName(QStringLiteral("colourCombo"));
    m_colour->addItem(QStringLiteral("(default)"));
    for (int i = 1; i <= kPaletteSize; ++i) {
        QPixmap swatch(16, 16);
        swatch.fill(QColor::fromRgba(paletteColour(i)));
        m_colour->addItem(QIcon(swatch), paletteName(i));
    }
    form->addRow(QStringLiteral("Color:"), m_colour);
    connect(m_colour, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_rendering) emit edited();
    });
    m_bold = addCheck(form, QStringLiteral("Bold?"), "boldCheck");
}

void FieldInputPanel::buildTable(QFormLayout* form) {
    m_columnCount = addSpin(form, QStringLiteral("Column Count (1 - 5)"), "columnCountSpin", 5);
    m_rowCount = addSpin(form, QStringLiteral("Row Count (1 - 10)"), "rowCountSpin", 10);
    for (int c = 0; c < 5; ++c) {
        m_columnTitles[c] = addEdit(form, QStringLiteral("Column %1 Title").arg(c + 1),
                                    QStringLiteral("column%1TitleEdit").arg(c + 1).toLatin1().constData());
        m_columnSizes[c] = addSpin(form, QStringLiteral("Column %1 Size").arg(c + 1),
                                   QStringLiteral("column%1SizeSpin").arg(c + 1).toLatin1().constData(), 80);
    }
    for (int r = 0; r < 10; ++r)
        m_rowNames[r] = addEdit(form, QStringLiteral("Row %1 Name").arg(r + 1),
                                QStringLiteral("row%1NameEdit").arg(r + 1).toLatin1().constData());
}

// Two by two, so the panel stays narrow enough to sit beside the page.
void FieldInputPanel::buildButtons(QFormLayout* form) {
    m_help = new QPushButton(QStringLiteral("Enter Agent Help Text"), this);
    m_help->setObjectName(QStringLiteral("helpTextButton"));
    form->addRow(m_help);
    connect(m_help, &QPushButton::clicked, this, &FieldInputPanel::helpClicked);
    auto* grid = new QGridLayout;
    const auto make = [this, grid](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        const int at = grid->count();
        grid->addWidget(b, at / 2, at % 2);
        return b;
    };
    m_place = make(QStringLiteral("Place On Screen"), "placeButton");
    m_cancel = make(QStringLiteral("Cancel"), "cancelButton");
    m_continue = make(QStringLiteral("Continue / Exit"), "continueButton");
    m_delete = make(QStringLiteral("Delete"), "deleteFieldButton");
    form->addRow(grid);
    connect(m_place, &QPushButton::clicked, this, &FieldInputPanel::placeClicked);
    connect(m_cancel, &QPushButton::clicked, this, &FieldInputPanel::cancelClicked);
    connect(m_continue, &QPushButton::clicked, this, &FieldInputPanel::continueClicked);
    connect(m_delete, &QPushButton::clicked, this, &FieldInputPanel::deleteClicked);
}

void FieldInputPanel::setRowsVisible(const QList<QWidget*>& widgets, bool visible) {
    for (QWidget* w : widgets) m_form->setRowVisible(w, visible);
}

void FieldInputPanel::showKind(FieldKind kind, bool adding) {
    m_kind = kind;
    m_adding = adding;
    const NameCaption& caption = kNameCaptions[int(kind)];
    m_title->setText(QString::fromLatin1(caption.title));
    setLabelText(m_form, m_name, QString::fromLatin1(adding ? caption.add : caption.modify));
    setRowsVisible({m_size, m_characterType, m_required, m_readOnly, m_standardList, m_exclusiveList, m_selectionList},
                   kind == FieldKind::Text);
    m_selectionList->setText(adding ? QStringLiteral("Build Selection List") : QStringLiteral("Edit Selection List"));
    setLabelText(m_form, m_size, adding ? QStringLiteral("Field Size (Characters)") : QStringLiteral("New Size"));
    for (int i = 0; i < 10; ++i) {
        m_form->setRowVisible(m_buttons[i], kind == FieldKind::RadioGroup);
        setLabelText(m_form, m_buttons[i],
                     i == 0 && adding ? QStringLiteral("Default") : QStringLiteral("Btn %1").arg(i + 1));
    }
    setRowsVisible({m_remaining, m_labelWidth, m_fontSize, m_colour, m_bold}, kind == FieldKind::Label);
    QList<QWidget*> table{m_columnCount, m_rowCount};
    for (int c = 0; c < 5; ++c) table << m_columnTitles[c] << m_columnSizes[c];
    for (QLineEdit* row : m_rowNames) table << row;
    setRowsVisible(table, kind == FieldKind::Table);
    m_help->setText(adding ? QStringLiteral("Enter Agent Help Text") : QStringLiteral("Edit Agent Help Text"));
    m_place->setText(QString::fromLatin1(caption.place));
    m_place->setVisible(adding);
    m_cancel->setVisible(adding);
    m_delete->setVisible(!adding);
    m_continue->setText(adding ? QStringLiteral("Continue / Exit") : QStringLiteral("Continue"));
}

void FieldInputPanel::setInputs(const FieldInputs& in, int labelCharactersRemaining) {
    m_rendering = true;
    if (m_name->text() != in.name) m_name->setText(in.name);
    m_size->setValue(in.size);
    m_characterType->setCurrentIndex(int(in.characterType));
    m_required->setChecked(in.required);
    m_readOnly->setChecked(in.readOnly);
    m_standardList->setChecked(in.standardList);
    m_exclusiveList->setChecked(in.exclusiveList);
    for (int i = 0; i < 10; ++i)
        if (m_buttons[i]->text() != in.buttons[i]) m_buttons[i]->setText(in.buttons[i]);
    m_remaining->setText(QString::number(labelCharactersRemaining));
    m_labelWidth->setValue(in.labelWidth);
    m_fontSize->setValue(in.fontSize);
    m_colour->setCurrentIndex(in.colour);
    m_bold->setChecked(in.bold);
    m_columnCount->setValue(in.table.columnCount);
    m_rowCount->setValue(in.table.rowCount);
    for (int c = 0; c < 5; ++c) {
        if (m_columnTitles[c]->text() != in.table.columns[c + 1].title) m_columnTitles[c]->setText(in.table.columns[c + 1].title);
        m_columnSizes[c]->setValue(in.table.columns[c + 1].size);
    }
    for (int r = 0; r < 10; ++r)
        if (m_rowNames[r]->text() != in.table.rowNames[r]) m_rowNames[r]->setText(in.table.rowNames[r]);
    m_rendering = false;
}

FieldInputs FieldInputPanel::inputs() const {
    FieldInputs in;
    in.name = m_name->text();
    in.size = m_size->value();
    in.characterType = CharacterType(m_characterType->currentIndex());
    in.required = m_required->isChecked();
    in.readOnly = m_readOnly->isChecked();
    in.standardList = m_standardList->isChecked();
    in.exclusiveList = m_exclusiveList->isChecked();
    for (int i = 0; i < 10; ++i) in.buttons[i] = m_buttons[i]->text();
    in.labelWidth = m_labelWidth->value();
    in.fontSize = m_fontSize->value();
    in.colour = m_colour->currentIndex();
    in.bold = m_bold->isChecked();
    in.table.name = in.name;
    in.table.columnCount = m_columnCount->value();
    in.table.rowCount = m_rowCount->value();
    for (int c = 0; c < 5; ++c) in.table.columns[c + 1] = {m_columnSizes[c]->value(), m_columnTitles[c]->text()};
    for (int r = 0; r < 10; ++r) in.table.rowNames[r] = m_rowNames[r]->text();
    return in;
}

void FieldInputPanel::setButtons(bool placeEnabled, bool cancelEnabled) {
    m_place->setEnabled(placeEnabled);
    m_cancel->setEnabled(cancelEnabled);
}

void FieldInputPanel::setSelectionListEnabled(bool enabled) { m_selectionList->setEnabled(enabled); }

void FieldInputPanel::setHelpShown(bool shown) { m_form->setRowVisible(m_help, shown); }

void FieldInputPanel::focusName() { m_name->setFocus(); }

}  // namespace vn
