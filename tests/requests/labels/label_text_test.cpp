#include "requests/labels/label_text.h"

#include <gtest/gtest.h>

using namespace vn;
using E = LabelEntry;

namespace {

// Head fields by number: key, Title, First, M.I., Last, Suffix, phones, e-mail, position,
// company, addresses, City, State, Zip.
HeadFields person(const QString& middle, const QString& address2) {
    return {"abcwyalb000100000", "Dr.", "Ann", middle, "Smith", "Jr.", "3075550100", "3075550101", "ann@example.org",
            "Treasurer", "Sage Creek Grange", "12 Elm St", address2, "Laramie", "WY", "82070"};
}

TEST(LabelTextTest, LinesFollowTheLayoutAndEmptyOnesMoveUp) {
    struct Case {
        const char* what;
        LabelLayout layout;
        HeadFields head;
        QStringList lines;
    } cases[] = {
        {"style 1 with M.I.", *standardLayout(DuplicateMode::Record, 1), person("Q", "Apt 4"),
         {"Ann Q. Smith", "Treasurer", "12 Elm St", "Apt 4", "Laramie, WY 82070"}},
        {"no M.I.: First, one space, Last", {E::Name}, person("", ""), {"Ann Smith"}},
        {"an empty Address 2 moves City-State-Zip up", *standardLayout(DuplicateMode::Family, 1), person("", ""),
         {"Dear friends", "12 Elm St", "Laramie, WY 82070"}},
        {"a blank line prints nothing", {E::Blank, E::Company, E::Blank, E::Address1, E::Blank}, person("", ""),
         {"Sage Creek Grange", "12 Elm St"}},
        {"single fields as stored", {E::RecordCode, E::Title, E::Suffix, E::Phone, E::Email}, person("", ""),
         {"abcwyalb000100000", "Dr.", "Jr.", "3075550100", "ann@example.org"}},
        {"missing fields read empty, no lone comma", {E::FirstLine, E::Company, E::CityStateZip}, HeadFields{"k"},
         {"Dear friends"}},
    };
    for (const Case& c : cases) EXPECT_EQ(labelLines(c.layout, "Dear friends", c.head), c.lines) << c.what;
}

TEST(LabelTextTest, StandardStylesExistOnlyWhereDefined) {
    struct Case {
        DuplicateMode mode;
        int style;
        std::optional<LabelLayout> layout;
    } cases[] = {
        {DuplicateMode::Record, 2, LabelLayout{E::Name, E::Company, E::Position, E::Address1, E::CityStateZip}},
        {DuplicateMode::Record, 3, LabelLayout{E::Name, E::Company, E::Address1, E::Address2, E::CityStateZip}},
        {DuplicateMode::Record, 4, LabelLayout{E::Name, E::Position, E::Company, E::Address1, E::CityStateZip}},
        {DuplicateMode::Record, 5, LabelLayout{E::FirstLine, E::Name, E::Address1, E::Address2, E::CityStateZip}},
        {DuplicateMode::Address, 2, LabelLayout{E::FirstLine, E::Address1, E::CityStateZip, E::Blank, E::Blank}},
        {DuplicateMode::Record, 6, std::nullopt},
        {DuplicateMode::Record, 7, std::nullopt},
        {DuplicateMode::Family, 3, std::nullopt},
        {DuplicateMode::Address, 7, std::nullopt},
        {DuplicateMode::Record, 0, std::nullopt},
        {DuplicateMode::Record, 8, std::nullopt},
        {DuplicateMode::None, 1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(standardLayout(c.mode, c.style), c.layout) << int(c.mode) << " style " << c.style;
}

TEST(LabelTextTest, BoxesShowAStandardLayoutAndACustomOneIsReadFromThem) {
    for (DuplicateMode mode : {DuplicateMode::Record, DuplicateMode::Family})
        for (int style = 1; style <= 5; ++style)
            if (const auto layout = standardLayout(mode, style)) {
                EXPECT_EQ(customLayout(boxesOf(*layout)), *layout) << int(mode) << " style " << style;
            }

    const auto boxes = boxesOf(*standardLayout(DuplicateMode::Record, 5));
    EXPECT_EQ(QStringList(boxes.begin(), boxes.end()),
              (QStringList{"1", "", "", "2", "", "", "", "", "", "", "3", "4", "5"}));

    const auto custom = [](std::initializer_list<std::pair<E, QString>> typed) {
        std::array<QString, kLabelBoxCount> boxes;
        for (const auto& [entry, text] : typed)
            for (std::size_t i = 0; i < boxes.size(); ++i)
                if (kLabelBoxes[i].entry == entry) boxes[i] = text;
        return customLayout(boxes);
    };
    // Address 1 comes after Company among the boxes, so it takes the line both name.
    EXPECT_EQ(custom({{E::Company, "2"}, {E::Address1, "2"}, {E::Name, "1"}}),
              (LabelLayout{E::Name, E::Address1, E::Blank, E::Blank, E::Blank}));
    EXPECT_EQ(custom({{E::Company, "0"}, {E::Title, "6"}, {E::Phone, "12"}, {E::Email, "x"}, {E::Suffix, " 3"}}),
              LabelLayout{});
}

TEST(LabelTextTest, CasingRewritesOneLine) {
    struct Case {
        LabelCasing casing;
        QString line;
        QString cased;
    } cases[] = {
        {LabelCasing::Normal, "mcdonald-smith jr", "Mcdonald-smith Jr"},
        {LabelCasing::Normal, "ANN  o'BRIEN", "Ann  O'brien"},
        {LabelCasing::Normal, "12 ELM st", "12 Elm St"},
        {LabelCasing::Usps, "123 Main St., Apt. #4", "123 MAIN ST APT 4"},
        {LabelCasing::Usps, "Laramie, WY 82070-1234", "LARAMIE WY 82070-1234"},
        {LabelCasing::AsStored, "mcdonald-smith jr.", "mcdonald-smith jr."},
    };
    for (const Case& c : cases) EXPECT_EQ(casedLine(c.line, c.casing), c.cased) << c.line.toStdString();
    EXPECT_EQ(casedLines({"ann", "elm st."}, LabelCasing::Usps), (QStringList{"ANN", "ELM ST"}));
}

}  // namespace
