#include "requests/labels/label_text.h"

namespace vn {

namespace {

using E = LabelEntry;

namespace head {
constexpr int kKey = 0, kTitle = 1, kFirst = 2, kMiddle = 3, kLast = 4, kCity = 13, kState = 14, kZip = 15;
}

// Entries that print one Head field as it stands.
constexpr std::array<std::pair<LabelEntry, int>, 10> kPlainFields{{
    {E::RecordCode, head::kKey},
    {E::Title, head::kTitle},
    {E::Suffix, 5},
    {E::Phone, 6},
    {E::WorkPhone, 7},
    {E::Email, 8},
    {E::Position, 9},
    {E::Company, 10},
    {E::Address1, 11},
    {E::Address2, 12},
}};

constexpr std::array<LabelLayout, 5> kRecordStyles{{
    {E::Name, E::Position, E::Address1, E::Address2, E::CityStateZip},
    {E::Name, E::Company, E::Position, E::Address1, E::CityStateZip},
    {E::Name, E::Company, E::Address1, E::Address2, E::CityStateZip},
    {E::Name, E::Position, E::Company, E::Address1, E::CityStateZip},
    {E::FirstLine, E::Name, E::Address1, E::Address2, E::CityStateZip},
}};

constexpr std::array<LabelLayout, 2> kFamilyStyles{{
    {E::FirstLine, E::Address1, E::Address2, E::CityStateZip, E::Blank},
    {E::FirstLine, E::Address1, E::CityStateZip, E::Blank, E::Blank},
}};

bool isAsciiLower(QChar c) { return c >= u'a' && c <= u'z'; }
bool isAsciiUpper(QChar c) { return c >= u'A' && c <= u'Z'; }
QChar toAsciiUpper(QChar c) { return isAsciiLower(c) ? QChar(c.unicode() - 32) : c; }
QChar toAsciiLower(QChar c) { return isAsciiUpper(c) ? QChar(c.unicode() + 32) : c; }

QString normalCase(const QString& line) {
    QString out = line;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const bool wordStart = i == 0 || out[i - 1] == u' ';
        out[i] = wordStart ? toAsciiUpper(toAsciiLower(out[i])) : toAsciiLower(out[i]);
    }
    return out;
}

QString uspsCase(const QString& line) {
    QString out;
    out.reserve(line.size());
    for (QChar c : line) {
        c = toAsciiUpper(c);
        if (c == u' ' || c == u'-' || (c >= u'0' && c <= u'9') || isAsciiUpper(c)) out += c;
    }
    return out;
}

QString entryText(LabelEntry entry, const QString& firstLine, const HeadFields& h) {
    const auto field = [&](int number) { return h.value(number); };
    switch (entry) {
    case E::Blank: return {};
    case E::FirstLine: return firstLine;
    case E::Name: {
        const QString middle = field(head::kMiddle);
        return field(head::kFirst) + u' ' + (middle.isEmpty() ? QString() : middle + QStringLiteral(". ")) +
               field(head::kLast);
    }
    case E::CityStateZip:
        // Without any of the three the line is empty, not a lone comma.
        if (field(head::kCity).isEmpty() && field(head::kState).isEmpty() && field(head::kZip).isEmpty()) return {};
        return field(head::kCity) + QStringLiteral(", ") + field(head::kState) + u' ' + field(head::kZip);
    default:
        for (const auto& [plain, number] : kPlainFields)
            if (plain == entry) return field(number);
        return {};
    }
}

}  // namespace

const std::array<LabelBox, kLabelBoxCount> kLabelBoxes{{
    {E::FirstLine, "First Line"},
    {E::RecordCode, "Record Code"},
    {E::Title, "Title"},
    {E::Name, "First, MI, Last"},
    {E::Suffix, "Suffix"},
    {E::Phone, "Phone"},
    {E::WorkPhone, "Work Phone"},
    {E::Email, "Email Address"},
    {E::Position, "Position / Title"},
    {E::Company, "Company"},
    {E::Address1, "Address 1"},
    {E::Address2, "Address 2"},
    {E::CityStateZip, "City, State, Zip"},
}};

std::optional<LabelLayout> standardLayout(DuplicateMode mode, int style) {
    const std::size_t index = std::size_t(style - 1);
    if (style < 1) return std::nullopt;
    if (mode == DuplicateMode::Record) {
        if (index < kRecordStyles.size()) return kRecordStyles[index];
    } else if (mode == DuplicateMode::Family || mode == DuplicateMode::Address) {
        if (index < kFamilyStyles.size()) return kFamilyStyles[index];
    }
    return std::nullopt;
}

std::array<QString, kLabelBoxCount> boxesOf(const LabelLayout& layout) {
    std::array<QString, kLabelBoxCount> boxes;
    for (std::size_t line = 0; line < layout.size(); ++line)
        for (std::size_t box = 0; box < kLabelBoxes.size(); ++box)
            if (layout[line] != E::Blank && kLabelBoxes[box].entry == layout[line]) boxes[box] = QString::number(line + 1);
    return boxes;
}

LabelLayout customLayout(const std::array<QString, kLabelBoxCount>& boxes) {
    LabelLayout layout{};
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        const QString& text = boxes[box];
        if (text.size() == 1 && text[0] >= u'1' && text[0] <= u'5') layout[std::size_t(text[0].unicode() - u'1')] = kLabelBoxes[box].entry;
    }
    return layout;
}

QStringList labelLines(const LabelLayout& layout, const QString& firstLine, const HeadFields& head) {
    QStringList lines;
    for (LabelEntry entry : layout) {
        const QString text = entryText(entry, firstLine, head);
        if (!text.trimmed().isEmpty()) lines << text;
    }
    return lines;
}

QString casedLine(const QString& line, LabelCasing casing) {
    switch (casing) {
    case LabelCasing::Normal: return normalCase(line);
    case LabelCasing::Usps: return uspsCase(line);
    case LabelCasing::AsStored: break;
    }
    return line;
}

QStringList casedLines(const QStringList& lines, LabelCasing casing) {
    QStringList out;
    out.reserve(lines.size());
    for (const QString& line : lines) out << casedLine(line, casing);
    return out;
}

}  // namespace vn
