#include "designer/siblings/sibling_field_list.h"

#include "designer/page_designer/field_sizes.h"
#include "designer/page_designer/page_designer.h"
#include "lists/siblings/sibling_table.h"
#include "platform/prompter.h"

#include <algorithm>

namespace vn {

QList<SiblingSetGroup> siblingSetGroups(const SiblingPlaces& places) {
    QList<SiblingSetGroup> groups;
    for (int p = 0; p < kSiblingProductCount; ++p) {
        const auto product = SiblingProduct(p);
        SiblingSetGroup group{QString::fromLatin1(siblingProduct(product).text), {}};
        for (const SiblingSource& source : siblingSources())
            if (source.product == product)
                group.buttons.append({source.number, QString::fromLatin1(source.setButton), places.present(product)});
        groups.append(group);
    }
    return groups;
}

SiblingFieldList::SiblingFieldList(Prompter& prompter) : m_prompter(prompter) {}

void SiblingFieldList::open(const SiblingPlaces& places) {
    m_places = places;
    returnToSets();
}

void SiblingFieldList::chooseSet(int set) {
    const SiblingSource* source = siblingSource(set);
    if (!source || !m_places.present(source->product)) return;
    m_set = set;
    m_fields.clear();
    m_cut = false;
    QString problem;
    const auto table = SiblingTable::open(m_places.fileOf(*source, true), *source, problem);
    if (!table) {
        m_prompter.warning(problem, Buttons::Ok);
        return;
    }
    for (int f = 1; f < table->fieldCount(); ++f) {
        const int size = table->fieldSize(f);
        m_cut = m_cut || size > kMaxFieldCharacters;
        m_fields.append({f, table->fieldName(f), std::min(size, kMaxFieldCharacters)});
    }
}

void SiblingFieldList::returnToSets() {
    m_set = 0;
    m_fields.clear();
    m_cut = false;
}

QString SiblingFieldList::caption() const {
    const SiblingSource* source = siblingSource(m_set);
    return source ? QString::fromLatin1(source->fieldsCaption) : QString();
}

QString SiblingFieldList::note() const {
    return m_cut ? QStringLiteral("Fields wider than %1 characters are added at %1.").arg(kMaxFieldCharacters) : QString();
}

bool SiblingFieldList::chooseField(PageDesigner& designer, int number) const {
    const auto field = std::find_if(m_fields.begin(), m_fields.end(), [number](const SiblingField& f) { return f.number == number; });
    if (field == m_fields.end()) return false;
    return designer.addSiblingTextField(m_set, field->number, field->name, field->size);
}

}  // namespace vn
