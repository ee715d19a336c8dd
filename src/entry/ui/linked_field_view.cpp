#include "entry/ui/linked_field_view.h"

#include "entry/links/linked_field_pick.h"
#include "entry/session/entry_session.h"
#include "entry/ui/source_list_box.h"
#include "platform/prompter.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

LinkedFieldView::LinkedFieldView(EntrySession& session, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_session(session), m_prompter(prompter) {
    setObjectName(QStringLiteral("linkedFieldView"));
    auto* box = new QGroupBox(QStringLiteral("Select Record For Linked Field:"), this);
    box->setObjectName(QStringLiteral("linkedFieldGroup"));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(box);
    auto* layout = new QVBoxLayout(box);
    auto* facts = new QGroupBox(QStringLiteral("Linked Field Information.."), box);
    facts->setObjectName(QStringLiteral("linkedFieldFacts"));
    auto* form = new QFormLayout(facts);
    m_system = addFact(form, QStringLiteral("Data System:"), "dataSystemValue");
    m_file = addFact(form, QStringLiteral("Data File:"), "dataFileValue");
    m_field = addFact(form, QStringLiteral("Field Name:"), "fieldNameValue");
    m_contents = addFact(form, QStringLiteral("Contents:"), "contentsValue");
    layout->addWidget(facts);
    m_list = new SourceListBox(QStringLiteral("linkedField"), box);
    layout->addWidget(m_list, 1);
    auto* save = new QPushButton(QStringLiteral("Save/Return"), box);
    save->setObjectName(QStringLiteral("saveReturnButton"));
    layout->addWidget(save);
    connect(m_list, &SourceListBox::orderChosen, this, [this](SiblingOrder order) {
        m_pick->setOrder(order);
        render();
    });
    connect(m_list, &SourceListBox::rowChosen, this, [this](int row) { choose(row); });
    connect(save, &QPushButton::clicked, this, [this] { saveReturn(); });
}

LinkedFieldView::~LinkedFieldView() = default;

// A label showing a value gets no accessible name, its caption as buddy.
QLabel* LinkedFieldView::addFact(QFormLayout* form, const QString& caption, const char* name) {
    auto* value = new QLabel(this);
    value->setObjectName(QString::fromLatin1(name));
    auto* label = new QLabel(caption, this);
    label->setBuddy(value);
    form->addRow(label, value);
    return value;
}

void LinkedFieldView::start(const FieldDefinition& definition) {
    m_pick = std::make_unique<LinkedFieldPick>(m_session.siblingPlaces());
    const bool opened = m_pick->start(definition);
    render();
    if (!opened && !m_pick->pick().problem().isEmpty()) m_prompter.warning(m_pick->pick().problem());
}

void LinkedFieldView::choose(int row) {
    QString refusal;
    if (!m_pick->choose(row, refusal) && !refusal.isEmpty()) m_prompter.warning(refusal);
    render();
}

// Without a record picked nothing changes.
void LinkedFieldView::saveReturn() {
    const bool picked = !m_pick->chosenKey().isEmpty();
    if (picked) m_session.linkSource(m_pick->pick().source(), m_pick->chosenKey(), m_pick->pick().resolver());
    emit finished(picked);
}

void LinkedFieldView::render() {
    m_system->setText(m_pick->dataSystem());
    m_file->setText(m_pick->dataFile());
    m_field->setText(m_pick->fieldName());
    m_contents->setText(m_pick->contents());
    m_list->show(m_pick->pick());
}

}  // namespace vn
