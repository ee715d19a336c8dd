// libFuzzer target for the reader of map and layout files. An input is a whole file's bytes:
// decoded (UTF-8, NUL and bad bytes refused by their line), then read as a map file and as a
// layout file against the fields of a list kept in a data set in a temporary folder. A refusal
// naming a line of the file is expected; a file that is let through must be written back into a
// text that reads as the same settings and fields. Anything else (a crash, a sanitizer report,
// an exception, a broken invariant) is a finding.
#include "interchange/files/map_file.h"
#include "interchange/files/settings_lines.h"
#include "lists/definitions/definition_cache.h"
#include "lists/definitions/definition_tables.h"
#include "platform/text_lines.h"

#include "fuzz_tables.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vn;
using namespace vn::definition_tables;

using fuzz::expect;

// The list abc: on page 1 text fields Name, Phone (with a selection list), City and a deleted
// Old, check boxes Member and city, a radio group Size, a memo Notes and a label; on page 2 a
// table of 3 rows and 2 columns.
struct ListFields : fuzz::FolderDataSet {
    ListFields() : FolderDataSet({kListSlot, kFdisSlot, kTdatSlot, kHelpSlot}) {
        define("abc101", 1, 1, "Name");
        define("abc102", 1, 2, "Phone");
        access.SetFieldText(kFdisSlot, fdis::kHasList, "1");
        define("abc103", 1, 4, "City");
        define("abc104", 1, 5, "Old");
        access.SetFieldText(kFdisSlot, fdis::kActive, "0");
        define("abc105", 3, 1, "Member");
        define("abc106", 3, 2, "city");
        define("abc107", 4, 1, "Size");
        define("abc108", 2, 1, "Notes");
        define("abc109", 5, 1, "Heading");
        define("abc201", 7, 1, "Sizes");
        access.EnsureRecord(kTdatSlot, "abc201");
        access.SetFieldText(kTdatSlot, tdat::kColumnCount, "2");
        access.SetFieldText(kTdatSlot, tdat::kRowCount, "3");
        definitions = LoadDefinitions(access, "abc");
    }
    void define(const QString& key, int kind, int slot, const QString& caption) {
        access.EnsureRecord(kFdisSlot, key);
        access.SetFieldText(kFdisSlot, fdis::kActive, "1");
        access.SetFieldText(kFdisSlot, fdis::kKind, QString::number(kind));
        access.SetFieldText(kFdisSlot, fdis::kSlot, QString::number(slot));
        access.SetFieldText(kFdisSlot, fdis::kCaption, caption);
    }
    DefinitionCache definitions;
};

const DefinitionCache& definitions() {
    static auto* fields = new ListFields;
    return fields->definitions;
}

void expectNamedLine(const MapFileProblem& problem, const QString& text) {
    if (std::getenv("VARNEDO_FUZZ_SHOW_REFUSALS")) std::fprintf(stderr, "%d: %s\n", problem.line, qPrintable(problem.message));
    expect(problem.line >= 1 && problem.line <= splitLines(text).size(), "a refusal names a line of the file");
    expect(!problem.message.isEmpty(), "a refusal says why");
}

void expectSameSettings(const TextFileSettings& a, const TextFileSettings& b) {
    expect(a.method == b.method && a.size == b.size && a.delimiter == b.delimiter && a.separator == b.separator &&
               a.skip == b.skip && a.charset == b.charset && a.selection == b.selection,
           "written settings read back the same");
}

void readAsMap(const QString& text) {
    MapFileProblem problem;
    const auto map = parseMapFile(text, definitions(), problem);
    if (!map) return expectNamedLine(problem, text);
    for (int field : map->mapping.mappedFields()) {
        expect(field >= 1 && field <= ImportMapping::kMaxFields, "import fields are numbered 1 to 120");
        for (FieldRef target : map->mapping.targetsOf(field)) {
            const auto place = pageColumn(target.column);
            expect(target.isHeader() || (place && place->kind == PageColumn::Kind::Text), "a map fills header and text fields");
            expect(!fieldCaption(definitions(), target).isEmpty(), "a map fills fields the list has");
        }
    }
    const auto again = parseMapFile(mapFileText(map->settings, map->mapping), definitions(), problem);
    expect(again.has_value(), "a written map file reads back");
    expectSameSettings(again->settings, map->settings);
    expect(again->mapping.mappedFields() == map->mapping.mappedFields(), "a written map reads back the same fields");
    for (int field : map->mapping.mappedFields())
        expect(again->mapping.targetsOf(field) == map->mapping.targetsOf(field), "a written map reads back the same targets");
}

void readAsLayout(const QString& text) {
    MapFileProblem problem;
    const auto layout = parseLayoutFile(text, definitions(), problem);
    if (!layout) return expectNamedLine(problem, text);
    for (const OrderEntry& entry : layout->order)
        expect(!entry.caption.isEmpty() && entry.caption == fieldCaption(definitions(), entry.field), "layout fields carry their captions");
    const auto again = parseLayoutFile(layoutFileText(layout->settings, layout->order), definitions(), problem);
    expect(again.has_value(), "a written layout file reads back");
    expectSameSettings(again->settings, layout->settings);
    expect(again->order.size() == layout->order.size(), "a written layout reads back every field");
    for (int i = 0; i < layout->order.size(); ++i)
        expect(again->order[i].field == layout->order[i].field && again->order[i].hasList == layout->order[i].hasList,
               "a written layout reads back the same fields in order");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    MapFileProblem problem;
    const auto text = decodeSettingsFile(bytes, problem);
    if (!text) {
        expect(problem.line >= 1 && !problem.message.isEmpty(), "bad bytes are refused by their line");
        return 0;
    }
    readAsMap(*text);
    readAsLayout(*text);
    return 0;
}
