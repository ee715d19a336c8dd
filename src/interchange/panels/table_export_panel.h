#pragma once

#include "exchange/panels/panel_work.h"
#include "interchange/export/table_export_run.h"
#include "interchange/export/table_structure.h"
#include "interchange/panels/export_page_boxes.h"
#include "interchange/tables/new_table_writer.h"
#include "lists/records/record_tables.h"

#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <utility>

namespace vn {

class DefinitionCache;
class Session;

enum class TableExportFocus { None, FileName, CreateTable };

struct TableExportState {
    QString title;             // "Export to Paradox Table..."
    QString instructions;      // how to build the structure
    QString finishing;         // how to create and fill the table
    QString fileNameCaption;   // "Enter New Paradox File Name..."
    QStringList headerNames;   // "Title" ... "Zip"
    std::array<QStringList, kPageCount> pageLists;  // active text and memo fields by definition number
    QStringList structure;     // the new table's field names, the caption beside a name that differs
    QString fileName;
    bool clearEnabled = false;
    bool createEnabled = false;
    bool exportEnabled = false;
    TableExportFocus focus = TableExportFocus::None;
    Gauge gauge;
};

// The rules of window 12's Paradox and dBase views: a structure of header and page fields, a new
// table named in the edit and made in the installation's "vn" folder, and filled with a row per
// record of the current list.
class TableExportPanel {
public:
    static constexpr const char* kMapped = "This field has been mapped!";
    static constexpr const char* kExists = "File already exists! Delete file and continue?";
    static constexpr const char* kBadName =
        "The table name must be 1 to 64 letters, digits, \"_\" or \"-\" (an extension after a \".\" is left out).";

    TableExportPanel(Session& session, PanelHost& host, TableFormat format, NewTableWriterFactory writers);
    ~TableExportPanel();

    TableFormat format() const { return m_format; }
    const TableExportState& state() const { return m_state; }
    const TableStructure& structure() const { return m_structure; }
    TableExportFocus takeFocus() { return std::exchange(m_state.focus, TableExportFocus::None); }
    // Where tables are checked for, made and filled.
    QString folder() const;

    // The menu entry: false, saying so, without a current list.
    bool open();

    void clickHeader(int column);               // 1-15
    void clickPageEntry(int page, int index);   // entry index (0-based) of page 1-6's list
    void clickStructure(int index);             // removes the entry
    void clearStructure();

    void editFileName(const QString& text);
    void leaveFileName();
    void enterFileName();
    void createTable();
    void exportData();
    void cancel() { m_work.cancel(); }

private:
    void add(const QString& caption, FieldRef field);
    std::optional<QString> acceptedName();
    void changed();

    Session& m_session;
    TableFormat m_format;
    NewTableWriterFactory m_writers;
    TableExportState m_state;
    TableStructure m_structure;
    std::array<QList<ExportBox>, kPageCount> m_pageFields;
    std::optional<TableExportPlan> m_created;  // the table "Export Data" fills
    PanelWork m_work;
};

// The view's page lists: page p's active text and memo fields in definition-number order.
std::array<QList<ExportBox>, kPageCount> tablePageFields(const DefinitionCache& definitions);

}  // namespace vn
