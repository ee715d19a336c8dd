#include "interchange/ui/export_choices_box.h"

#include "interchange/panels/export_text_panel.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

namespace {

QGroupBox* group(const QString& title, const char* name, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    new QVBoxLayout(box);
    box->layout()->setContentsMargins(6, 2, 6, 2);
    box->layout()->setSpacing(0);
    return box;
}

// A radio button shows its choice, or none while nothing was chosen.
void showChecked(QRadioButton* radio, bool checked) {
    if (radio->isChecked() == checked) return;
    radio->setAutoExclusive(false);
    radio->setChecked(checked);
    radio->setAutoExclusive(true);
}

void showText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

}  // namespace

ExportChoicesBox::ExportChoicesBox(ExportTextPanel& panel, std::function<void()> changed, QWidget* parent)
    : QWidget(parent), m_panel(panel), m_changed(std::move(changed)) {
    setObjectName(QStringLiteral("exportChoices"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(methodGroup());
    auto* column = new QVBoxLayout;
    column->addWidget(sizeGroup());
    column->addWidget(delimiterGroup());
    column->addWidget(charsetGroup());
    column->addWidget(csvGroup());
    column->addStretch();
    row->addLayout(column);
    row->addWidget(modeGroup());
    row->addWidget(optionGroup());
    row->addStretch();
}

void ExportChoicesBox::act(const std::function<void()>& action) {
    action();
    m_changed();
}

QRadioButton* ExportChoicesBox::radio(QGroupBox* group, const QString& caption, const char* name,
                                      std::function<void()> chosen) {
    auto* button = new QRadioButton(caption, group);
    button->setObjectName(QString::fromLatin1(name));
    group->layout()->addWidget(button);
    connect(button, &QRadioButton::clicked, this, [this, chosen] { act(chosen); });
    return button;
}

QGroupBox* ExportChoicesBox::methodGroup() {
    QGroupBox* box = group(QStringLiteral("Field Method..."), "fieldMethodGroup", this);
    const struct {
        const char* caption;
        const char* name;
        ExportMethod method;
    } methods[] = {{"Fixed Length", "fixedLengthRadio", ExportMethod::FixedLength},
                   {"Delimited", "delimitedRadio", ExportMethod::Delimited},
                   {"Excel Tab Delimited", "excelTabRadio", ExportMethod::Tab},
                   {"CSV", "csvRadio", ExportMethod::Csv},
                   {"XLSX Workbook", "xlsxRadio", ExportMethod::Xlsx}};
    for (const auto& m : methods) {
        const ExportMethod method = m.method;
        m_radios.append({radio(box, QString::fromLatin1(m.caption), m.name, [this, method] { m_panel.chooseMethod(method); }),
                         [method](const ExportChoices& c) { return c.method == method; }});
    }
    return box;
}

QLineEdit* ExportChoicesBox::lineEdit(const char* name, void (ExportTextPanel::*edit)(const QString&),
                                      void (ExportTextPanel::*enter)()) {
    auto* line = new QLineEdit(this);
    line->setObjectName(QString::fromLatin1(name));
    line->installEventFilter(this);
    connect(line, &QLineEdit::textEdited, this, [this, edit](const QString& text) { act([&] { (m_panel.*edit)(text); }); });
    connect(line, &QLineEdit::returnPressed, this, [this, enter] { act([&] { (m_panel.*enter)(); }); });
    return line;
}

QGroupBox* ExportChoicesBox::sizeGroup() {
    m_size = group(QStringLiteral("Enter Field Size..."), "fieldSizeGroup", this);
    m_sizeEdit = lineEdit("fieldSizeEdit", &ExportTextPanel::editSize, &ExportTextPanel::enterSize);
    m_sizeEdit->setAccessibleName(QStringLiteral("Enter Field Size"));
    m_sizeEdit->setMaximumWidth(80);
    m_size->layout()->addWidget(m_sizeEdit);
    return m_size;
}

QGroupBox* ExportChoicesBox::delimiterGroup() {
    m_delimiters = new QGroupBox(QStringLiteral("Text File Delimiters"), this);
    m_delimiters->setObjectName(QStringLiteral("delimitersGroup"));
    auto* form = new QFormLayout(m_delimiters);
    form->setContentsMargins(6, 2, 6, 2);
    m_delimiterEdit = lineEdit("dataDelimiterEdit", &ExportTextPanel::editDelimiter, &ExportTextPanel::enterDelimiter);
    m_separatorEdit = lineEdit("fieldSeparatorEdit", &ExportTextPanel::editSeparator, &ExportTextPanel::enterSeparator);
    for (QLineEdit* edit : {m_delimiterEdit, m_separatorEdit}) edit->setMaximumWidth(50);
    form->addRow(QStringLiteral("Data Delimiter"), m_delimiterEdit);
    form->addRow(QStringLiteral("Field Separator"), m_separatorEdit);
    return m_delimiters;
}

QGroupBox* ExportChoicesBox::charsetGroup() {
    m_charset = group(QStringLiteral("Character Set"), "charsetGroup", this);
    const struct {
        const char* caption;
        const char* name;
        TextCharset charset;
    } sets[] = {{"Windows-1252", "windows1252Radio", TextCharset::Windows1252}, {"UTF-8", "utf8Radio", TextCharset::Utf8}};
    for (const auto& s : sets) {
        const TextCharset charset = s.charset;
        m_radios.append({radio(m_charset, QString::fromLatin1(s.caption), s.name, [this, charset] { m_panel.chooseCharset(charset); }),
                         [charset](const ExportChoices& c) { return c.charset == charset; }});
    }
    return m_charset;
}

QGroupBox* ExportChoicesBox::csvGroup() {
    m_csv = group(QStringLiteral("CSV"), "csvOptionsGroup", this);
    m_bom = new QCheckBox(QStringLiteral("UTF-8 BOM"), m_csv);
    m_bom->setObjectName(QStringLiteral("byteOrderMarkCheck"));
    m_guard = new QCheckBox(QStringLiteral("Guard Formulas"), m_csv);
    m_guard->setObjectName(QStringLiteral("guardFormulasCheck"));
    m_csv->layout()->addWidget(m_bom);
    m_csv->layout()->addWidget(m_guard);
    connect(m_bom, &QCheckBox::clicked, this, [this](bool on) { act([&] { m_panel.setByteOrderMark(on); }); });
    connect(m_guard, &QCheckBox::clicked, this, [this](bool on) { act([&] { m_panel.setGuardFormulas(on); }); });
    return m_csv;
}

QGroupBox* ExportChoicesBox::modeGroup() {
    m_mode = group(QStringLiteral("Process File..."), "processFileGroup", this);
    for (const auto& [caption, name, mode] : {std::tuple{"Automatically", "automaticallyRadio", ExportMode::Automatically},
                                              std::tuple{"Line by Line", "lineByLineRadio", ExportMode::LineByLine}})
        m_radios.append({radio(m_mode, QString::fromLatin1(caption), name, [this, mode] { m_panel.chooseMode(mode); }),
                         [mode](const ExportChoices& c) { return c.mode == mode; }});
    return m_mode;
}

QGroupBox* ExportChoicesBox::optionGroup() {
    QGroupBox* box = group(QStringLiteral("Selection List Fields..."), "selectionListGroup", this);
    for (const auto& [caption, name, option] : {std::tuple{"Export Text", "exportTextRadio", SelectionOutput::Text},
                                                std::tuple{"Export Index", "exportIndexRadio", SelectionOutput::Index}})
        m_radios.append({radio(box, QString::fromLatin1(caption), name, [this, option] { m_panel.chooseOption(option); }),
                         [option](const ExportChoices& c) { return c.optionChosen && c.option == option; }});
    return box;
}

void ExportChoicesBox::render(const ExportChoices& choices) {
    for (const auto& [button, shows] : m_radios) showChecked(button, shows(choices));
    m_size->setVisible(choices.method == ExportMethod::FixedLength);
    m_delimiters->setVisible(choices.method == ExportMethod::Delimited);
    m_charset->setVisible(choices.writesTextFile());
    m_csv->setVisible(choices.method == ExportMethod::Csv);
    m_mode->setEnabled(choices.method == ExportMethod::None || choices.writesTextFile());
    showText(m_sizeEdit, choices.sizeText);
    showText(m_delimiterEdit, choices.delimiterText);
    showText(m_separatorEdit, choices.separatorText);
    m_bom->setChecked(choices.byteOrderMark);
    m_guard->setChecked(choices.guardFormulas);
}

QLineEdit* ExportChoicesBox::edit(ExportFocus focus) const {
    switch (focus) {
    case ExportFocus::Size: return m_sizeEdit;
    case ExportFocus::Delimiter: return m_delimiterEdit;
    case ExportFocus::Separator: return m_separatorEdit;
    default: return nullptr;
    }
}

void ExportChoicesBox::moveFocus(QWidget* target) {
    m_movingFocus = true;
    target->setFocus(Qt::OtherFocusReason);
    m_movingFocus = false;
}

// Leaving an edit by the keyboard or the mouse applies its rule; a message box or another window
// taking the focus does not.
bool ExportChoicesBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || m_movingFocus) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    if (watched == m_sizeEdit) act([this] { m_panel.leaveSize(); });
    if (watched == m_delimiterEdit) act([this] { m_panel.leaveDelimiter(); });
    if (watched == m_separatorEdit) act([this] { m_panel.leaveSeparator(); });
    return false;
}

}  // namespace vn
