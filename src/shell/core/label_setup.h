#pragma once

#include <QString>
#include <array>

namespace vn {

// How the label set-up orders records before a report's own sort fields decide.
enum class LabelSort { ByZip, ByName };

// What one label line can hold.
enum class LabelEntry {
    Blank,
    FirstLine,
    RecordCode,
    Title,
    Name,  // First, M.I., Last
    Suffix,
    Phone,
    WorkPhone,
    Email,
    Position,
    Company,
    Address1,
    Address2,
    CityStateZip,
};

enum class LabelCasing { AsStored, Normal, Usps };

// Lines 1 to 5 of a label.
using LabelLayout = std::array<LabelEntry, 5>;

// The label choices of the request builder, kept for the run (never stored): the label sheet
// window prints with them, and reports and mail merges order their records by `sort`.
struct LabelSetup {
    LabelLayout layout{};
    QString firstLine;
    LabelCasing casing = LabelCasing::AsStored;
    LabelSort sort = LabelSort::ByZip;
};

}  // namespace vn
