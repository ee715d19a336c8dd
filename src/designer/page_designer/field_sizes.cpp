#include "designer/page_designer/field_sizes.h"

#include "designer/page_designer/field_inputs.h"
#include "lists/pages/page_geometry.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kCharacterWidth = 10;
constexpr int kCheckBoxMark = 18;  // the box beside the caption
constexpr int kRadioMark = 36;
constexpr int kRadioTitleOverhang = 8;  // a group's title may reach a little into the frame
constexpr int kRadioButtonHeight = 17;
constexpr int kRowNameMargin = 5;

int textWidth(const TextMeasure& measure, const QString& text) { return measure.width(text, kPageFontSize, false); }

int charactersWidth(int characters) { return (characters + 1) * kCharacterWidth; }

QSize radioGroupSize(const FieldInputs& in, const TextMeasure& measure) {
    int widest = textWidth(measure, in.name) - kRadioTitleOverhang;
    int shown = 0;
    for (const QString& caption : in.buttons) {
        if (caption.isEmpty()) continue;
        widest = std::max(widest, textWidth(measure, caption));
        ++shown;
    }
    return {widest + kRadioMark, kRadioButtonHeight * shown + kRadioButtonHeight};
}

}  // namespace

QSize fieldSize(FieldKind kind, const FieldInputs& in, const TextMeasure& measure) {
    switch (kind) {
    case FieldKind::Text: return {charactersWidth(in.size), page::kLineHeight};
    case FieldKind::Memo: return {page::kMemoWidth, page::kMemoHeight};
    case FieldKind::CheckBox: return {textWidth(measure, in.name) + kCheckBoxMark, page::kLineHeight};
    case FieldKind::RadioGroup: return radioGroupSize(in, measure);
    case FieldKind::Label: return {charactersWidth(in.labelWidth), page::kLineHeight};
    case FieldKind::Link: return {charactersWidth(int(in.name.size())), page::kLineHeight};
    case FieldKind::Table:
    case FieldKind::None: break;
    }
    return {0, 0};
}

QPoint defaultPosition(FieldKind kind) {
    switch (kind) {
    case FieldKind::Memo: return {page::kMemoLeft, page::kMemoTop};
    case FieldKind::Table: return {page::kTableLeft, page::kTableTop};
    default: return {page::kDefaultLeft, page::kDefaultTop};
    }
}

TableConstruction tableFromInputs(const FieldInputs& in, const TextMeasure& measure) {
    TableConstruction t = in.table;
    t.name = in.name;
    int widest = textWidth(measure, t.name);
    const int rows = std::clamp(t.rowCount, 0, ColumnMap::kTableRows);
    for (int r = 0; r < rows; ++r) widest = std::max(widest, textWidth(measure, t.rowNames[r]));
    t.columns[0] = {widest + kRowNameMargin, QString()};
    return t;
}

QSize movingExtent(const FieldDefinition& d, const TableConstruction& table) {
    return d.kind == FieldKind::Table ? tableExtent(table) : QSize(d.width, d.height);
}

}  // namespace vn
