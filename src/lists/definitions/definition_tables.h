#pragma once

#include "store/catalogue/slots.h"

// Field numbers of the tables that define a list (their slots: store/catalogue/slots.h).
namespace vn::definition_tables {

// Fdis: one field definition, or (number 00) a page title.
namespace fdis {
inline constexpr int kActive = 1;
inline constexpr int kKind = 2;
inline constexpr int kSlot = 3;
inline constexpr int kCaption = 4;
inline constexpr int kTop = 5;
inline constexpr int kLeft = 6;
inline constexpr int kWidth = 7;
inline constexpr int kHeight = 8;
inline constexpr int kTabOrder = 9;
inline constexpr int kRequired = 10;
inline constexpr int kCharacterType = 11;
inline constexpr int kHasList = 12;
inline constexpr int kButtonCount = 13;
inline constexpr int kFirstButton = 14;  // buttons 1..10 in 14..23
inline constexpr int kListLocked = 24;
inline constexpr int kDataSet = 25;
inline constexpr int kDataSetField = 26;
inline constexpr int kSize = 27;
inline constexpr int kReadOnly = 28;
inline constexpr int kExclusive = 29;
inline constexpr int kFontSize = 30;
inline constexpr int kColour = 31;
}  // namespace fdis

// Tdat: the construction of a page's table, keyed like its Fdis row.
namespace tdat {
inline constexpr int kName = 1;
inline constexpr int kColumnCount = 2;
inline constexpr int kRowCount = 3;
inline constexpr int kFirstColumnSize = 4;  // column c: size 4 + 2c, title 5 + 2c (c = 0..5)
inline constexpr int kFirstRowName = 16;    // rows 1..10 in 16..25
inline constexpr int columnSize(int column) { return kFirstColumnSize + 2 * column; }
inline constexpr int columnTitle(int column) { return kFirstColumnSize + 1 + 2 * column; }
inline constexpr int rowName(int row) { return kFirstRowName + row - 1; }
}  // namespace tdat

// Help: the text spoken for one page field while the list is used.
namespace help {
inline constexpr int kText = 1;
}

// Dsli: one item of a default selection list.
namespace dsli {
inline constexpr int kItem = 1;
}

// Phra: the help phrase of one control of the program.
namespace phra {
inline constexpr int kPhrase = 2;
}

}  // namespace vn::definition_tables
