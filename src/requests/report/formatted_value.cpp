#include "requests/report/formatted_value.h"

#include "lists/definitions/field_definition.h"
#include "store/text/text_order.h"
#include "store/text/phone_format.h"
#include "store/text/zip_format.h"

namespace vn {

namespace {

using namespace field_numbers;

constexpr int kValueLength = 60;
constexpr int kHomePhone = 7, kWorkPhone = 8, kZip = 16;

bool within(int number, int first, int last) { return number >= first && number <= last; }

QString checkBox(const QString& value) {
    if (value.isEmpty() || value == u"0") return QStringLiteral("UnChecked");
    if (value == u"1") return QStringLiteral("Checked");
    return value;
}

QString radioGroup(const QString& value, const FieldDefinition* definition) {
    if (value.isEmpty() || value == u"0") return {};
    bool number = false;
    const int button = value.toInt(&number);
    if (!number || button < 1 || button > FieldDefinition::kButtons) return value;
    return definition ? definition->buttons[button - 1] : QString();
}

}  // namespace

QString formatValue(const FieldRef& field, const QString& value, const FieldDefinition* definition) {
    const QString cut = firstCharacters(value, kValueLength).toString();
    if (field.page == 0) {
        if (field.fieldNumber == kZip) return FormatZip(cut);
        if (field.fieldNumber == kHomePhone || field.fieldNumber == kWorkPhone) return FormatPhone(cut);
        return cut;
    }
    if (within(field.fieldNumber, kFirstCheckBox, kLastCheckBox)) return checkBox(cut);
    if (within(field.fieldNumber, kFirstRadio, kLastRadio)) return radioGroup(cut, definition);
    return cut;
}

}  // namespace vn
