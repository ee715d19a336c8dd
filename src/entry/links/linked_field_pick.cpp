#include "entry/links/linked_field_pick.h"

#include "entry/links/linked_values.h"
#include "lists/definitions/field_definition.h"

namespace vn {

LinkedFieldPick::LinkedFieldPick(SiblingPlaces places) : m_pick(std::move(places)) {}

bool LinkedFieldPick::start(const FieldDefinition& definition) {
    m_field = definition.dataSetField;
    m_fieldName = definition.caption;
    m_contents.clear();
    m_chosenKey.clear();
    m_pick.setOrder(SiblingOrder::ById);
    return m_pick.open(linkedSourceOf(definition));
}

bool LinkedFieldPick::choose(int row, QString& refusal) {
    const auto entry = m_pick.entryAt(row, refusal);
    if (!entry) return false;
    m_chosenKey = entry->key;
    m_contents = m_pick.resolver().value(m_pick.source(), m_chosenKey, m_field).value_or(QString());
    return true;
}

QString LinkedFieldPick::dataSystem() const {
    const SiblingSource* source = siblingSource(m_pick.source());
    return source ? QString::fromLatin1(siblingProduct(source->product).text) : QString();
}

QString LinkedFieldPick::dataFile() const {
    const SiblingSource* source = siblingSource(m_pick.source());
    return source ? QString::fromLatin1(source->dataFile) : QString();
}

}  // namespace vn
