#pragma once

#include "shell/core/label_setup.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace vn {

// One label per record, per family or per address; None is "Cancel".
enum class DuplicateMode { None = 0, Record = 1, Family = 2, Address = 3 };

// The line-number boxes of "Label Layout...", in their order, with their captions.
struct LabelBox {
    LabelEntry entry;
    const char* caption;
};
inline constexpr int kLabelBoxCount = 13;
extern const std::array<LabelBox, kLabelBoxCount> kLabelBoxes;

// The layout of a standard style (1 to 7) for records (mode Record) or families and addresses;
// nullopt for a style without one.
std::optional<LabelLayout> standardLayout(DuplicateMode mode, int style);

// The line number (1 to 5) each box gives a standard layout's entries; empty for the others.
std::array<QString, kLabelBoxCount> boxesOf(const LabelLayout& layout);

// "Custom": each line takes the entry of the box holding its number as one digit; a later box
// overrides an earlier one for the same line.
LabelLayout customLayout(const std::array<QString, kLabelBoxCount>& boxes);

// The Head fields a label reads, by field number (0 key ... 15 Zip); missing ones read empty.
using HeadFields = QStringList;

// The label's lines for one record, empty ones dropped so the lines below move up.
QStringList labelLines(const LabelLayout& layout, const QString& firstLine, const HeadFields& head);

// The line as the chosen casing prints it.
QString casedLine(const QString& line, LabelCasing casing);
QStringList casedLines(const QStringList& lines, LabelCasing casing);

}  // namespace vn
