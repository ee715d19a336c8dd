#pragma once

#include "store/engine/table_def.h"

#include <QList>
#include <QString>

#include <array>
#include <utility>

namespace vn {

// The three sibling products, in the order of Session::siblings.
enum class SiblingProduct { Grovanta = 0, Pavilo = 1, Kovra = 2 };
inline constexpr int kSiblingProductCount = 3;

struct SiblingProductInfo {
    const char* folder;  // "Grovanta": the product's folder under the base, and its name
    const char* marker;  // the file in that folder that says the product is installed
    const char* text;    // "Grovanta!": how the windows name it ("Data System:")
};
const SiblingProductInfo& siblingProduct(SiblingProduct product);

// One of the eight sibling sources (data sets), numbered 1 to 8: a table of a sibling product
// whose field 0 is a text key. The numbers are stored in lists (Fdis field 25) and records
// (Head field 16, fields 18-25): never renumber.
struct SiblingSource {
    int number;
    SiblingProduct product;
    const char* table;           // "Memb": the table's name; its file is <table><data set>.db
    int keyWidth;                // characters of a key
    const char* setButton;       // "Members": the designer's set button
    const char* fieldsCaption;   // "Grovanta Member Fields": the designer's field list
    const char* recordsCaption;  // "Grovanta Member Records": the entry window's selection views
    const char* dataFile;        // "Members": "Data File:"
    QList<int> textFields;       // the fields that name a record in a list, joined by two spaces
};
const std::array<SiblingSource, 8>& siblingSources();
const SiblingSource* siblingSource(int number);  // null outside 1..8

// The layout of a source's table as our sibling products write it (documented in docs/siblings.md).
TableDef siblingTableDef(const SiblingSource& source);

// <base>/<product folder>/<state>/<table><data set>.db; a data set below 1 counts as 1.
QString siblingTableFile(const QString& productBase, const QString& stateCode, const SiblingSource& source,
                         int dataSet);
// <base>/<product folder>/<state>: the product's data folder (System.db and the tables).
QString siblingDataFolder(const QString& productBase, const QString& stateCode, SiblingProduct product);

// Head field numbers of the header boxes a header link fills.
namespace head_field {
inline constexpr int kFirst = 2, kMiddle = 3, kLast = 4, kHomePhone = 6, kWorkPhone = 7, kEmail = 8,
                     kAddress1 = 11, kAddress2 = 12, kState = 14, kZip = 15;
}

// A header link kind (1, 2, 5 or 7: the source of the same number): which Head field takes which
// source field. Empty for any other kind.
QList<std::pair<int, int>> headerLinkMap(int kind);

// Lays out a sibling product's installation in base: its folder and marker, the state folder,
// System.db with "CurDataSet" 1 and the product's empty tables of data set 1. Throws StoreError;
// an existing installation of the product in base is refused, nothing changed.
void createSiblingInstallation(const QString& base, SiblingProduct product, const QString& stateCode);

}  // namespace vn
