#pragma once

#include "interchange/export/export_values.h"
#include "interchange/export/field_order.h"
#include "interchange/import/import_mapping.h"
#include "interchange/text/cut_settings.h"

#include <QString>
#include <optional>

namespace vn {

class DefinitionCache;

// The settings a map or layout file may give; what it leaves out stays unset.
struct TextFileSettings {
    std::optional<FieldMethod> method;   // method = fixed | delimited | tab
    std::optional<int> size;             // size = N (at least 1)
    std::optional<QChar> delimiter;      // delimiter = C | tab | space | none (a null QChar)
    std::optional<QChar> separator;      // separator = C | tab | space
    std::optional<int> skip;             // skip = N heading lines
    std::optional<TextCharset> charset;  // charset = windows-1252 | utf-8
    std::optional<SelectionOutput> selection;  // selection = text | index
};

// A map file ("N = FIELD": import field N, 1-120 or a table's column N, fills FIELD; N may repeat,
// a FIELD may not) or a layout file ("field = FIELD", in order). UTF-8, "name = value" lines, "#"
// comments, values trimmed. FIELD: a header caption (Title ... Zip, any case; "H. Phone",
// "W. Phone", "Email Add", "Position/Ti" too), "page P: CAPTION" (the one active field so
// captioned), "page P text|check|radio S" (S the field's slot), "page P memo", "page P cell R,C".
// A map's targets are header and page text fields, and for a table page memos too.
struct MapFile {
    TextFileSettings settings;
    ImportMapping mapping;  // map files
};
struct LayoutFile {
    TextFileSettings settings;
    QList<OrderEntry> order;  // layout files; captions as the export view shows them
};

// What a file's fields are for: a text file (a map fills header and page text fields, import
// fields 1-120), or an outside table (a map fills header, page text and memo fields from the
// table's columns; a layout names those fields only).
struct FileFields {
    enum class Use { TextFile, Table };
    Use use = Use::TextFile;
    int highestImportField = ImportMapping::kMaxFields;  // maps: the table's column count
};

struct MapFileProblem {
    int line = 0;  // 1-based; 0 for the file as a whole
    QString message;
};

// Reading checks everything against the list's fields before anything is used.
std::optional<MapFile> parseMapFile(const QString& text, const DefinitionCache& definitions, MapFileProblem& problem,
                                    FileFields fields = {});
std::optional<LayoutFile> parseLayoutFile(const QString& text, const DefinitionCache& definitions,
                                          MapFileProblem& problem, FileFields fields = {});
std::optional<MapFile> readMapFile(const QString& path, const DefinitionCache& definitions, MapFileProblem& problem,
                                   FileFields fields = {});
std::optional<LayoutFile> readLayoutFile(const QString& path, const DefinitionCache& definitions,
                                         MapFileProblem& problem, FileFields fields = {});
// A field an outside table exchanges: a header field, a page text field or a page memo.
bool isTableField(FieldRef field);

// The text of a file that reads back as the same settings and fields.
QString mapFileText(const TextFileSettings& settings, const ImportMapping& mapping);
QString layoutFileText(const TextFileSettings& settings, const QList<OrderEntry>& order);
// FIELD as these files write it: the header caption, else "page P text S", "page P memo", ...
QString fieldReference(FieldRef field);

}  // namespace vn
