#include "requests/labels/label_content.h"

#include "requests/labels/label_order.h"
#include "requests/labels/label_text.h"

namespace vn {

namespace {

// A line the casing emptied (USPS keeps no punctuation) is dropped like any other empty line.
LabelLines withoutEmptyLines(LabelLines lines) {
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return lines;
}

}  // namespace

QList<LabelLines> readLabels(RecordAccess& access, const MatchList& keys, const LabelSetup& setup) {
    QList<LabelLines> labels;
    labels.reserve(keys.size());
    for (const QString& key : keys)
        if (const std::optional<HeadFields> head = readHeadFields(access, key))
            labels << withoutEmptyLines(casedLines(labelLines(setup.layout, setup.firstLine, *head), setup.casing));
    return labels;
}

}  // namespace vn
