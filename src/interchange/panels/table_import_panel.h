#pragma once

#include "interchange/import/import_mapping.h"
#include "interchange/panels/table_import_state.h"

#include <memory>

namespace vn {

class DefinitionCache;
class Session;

// The rules of window 11's Paradox, dBase and Access views: an outside table is chosen (for
// Access a data base, then one of its tables), its columns are mapped by clicks onto header
// fields and page text and memo fields, a column to any number of targets, and "Import Data"
// makes a record of every row. The tables are only read: no index is made, no source written.
// The view draws state() after each call.
class TableImportPanel {
public:
    TableImportPanel(Session& session, PanelHost& host, ForeignReaders readers);
    ~TableImportPanel();

    const TableImportState& state() const { return m_state; }
    void setReaders(ForeignReaders readers) { m_readers = std::move(readers); }

    // Starts afresh on the current list in the kind's view; false, saying so, when there is none.
    [[nodiscard]] bool open(TableSource kind);
    // A sibling product's table file in the Paradox view; its find button stays disabled.
    [[nodiscard]] bool openSibling(const QString& path);

    void instructions();
    // The find button's file; an empty path (a cancelled dialog) changes nothing, nor does a file
    // that cannot be read.
    void chooseFile(const QString& path);
    // A click on the source list's entry (0-based): a table of the data base, or a column.
    void clickSource(int index);
    // A header or page target clicked: maps the selected column there, or unmaps the target.
    void clickTarget(FieldRef target);
    void clearMapping();
    void saveMapping();
    void importData();
    void cancel() { m_work.cancel(); }

private:
    std::unique_ptr<ForeignTable> openTable(const QString& table, ForeignProblem& problem);
    void chooseDataBase(const QString& path);
    void chooseTable(const QString& table);
    void listTables(const QStringList& tables);
    void listColumns(const QList<ForeignColumn>& columns);
    void resetMapping();
    void refreshMapping();
    void focusInstructions() { ++m_state.focusRequest; }
    ImportMapping newMapping() const;
    QString sourceName() const;

    Session& m_session;
    ForeignReaders m_readers;
    std::shared_ptr<const DefinitionCache> m_definitions;
    TableImportState m_state;
    TableSource m_opens = TableSource::Paradox;  // what the opener is told: a sibling's file reads by content
    QString m_path;
    QString m_table;  // Access: the chosen table
    QList<ForeignColumn> m_columns;
    ImportMapping m_mapping;
    bool m_saved = false;
    PanelWork m_work;
};

}  // namespace vn
