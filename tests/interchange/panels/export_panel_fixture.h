#pragma once

#include "entry/session/session_fixture.h"
#include "exchange/panels/panel_work.h"
#include "interchange/panels/export_text_panel.h"
#include "lists/definitions/definition_keys.h"
#include "lists/definitions/definition_tables.h"

#include <QDir>
#include <QFile>

namespace vn::test {

struct QuietHost : PanelHost {
    void redraw() override {}
    void keepResponsive() override {}
};

// List "abc" of a new installation, its fields defined field by field, and the export view's
// rules on it.
struct ExportPanelFixture : SessionFixture {
    ExportPanelFixture() {
        QDir().mkpath(session.folders.exchangeFolder());
        session.currentListCode = "abc";
        session.currentListTitle = "Members";
    }

    void define(int page, int number, FieldKind kind, int slot, const QString& caption, bool active = true,
                bool hasList = false) {
        using namespace definition_tables;
        putRow(kFdisSlot, definitionKey("abc", page, number),
               {{fdis::kActive, active ? "1" : "0"}, {fdis::kKind, QString::number(int(kind))},
                {fdis::kSlot, QString::number(slot)}, {fdis::kCaption, caption}, {fdis::kHasList, hasList ? "1" : "0"}});
    }
    void defineTable(int page, int number, int rows, int columns) {
        using namespace definition_tables;
        define(page, number, FieldKind::Table, 1, "Table");
        putRow(kTdatSlot, definitionKey("abc", page, number),
               {{tdat::kName, "Grades"}, {tdat::kColumnCount, QString::number(columns)}, {tdat::kRowCount, QString::number(rows)},
                {tdat::columnTitle(1), "Term"}, {tdat::rowName(1), "Fall"}});
    }
    // The definitions as the entry window leaves them, and the view opened on them.
    ExportTextPanel& openPanel() {
        session.definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(access, "abc"));
        panel.open();
        return panel;
    }
    void addRecord(const QString& key, std::initializer_list<std::pair<int, QString>> head,
                   std::initializer_list<std::pair<int, QString>> page1 = {}) {
        putRow(kHeadSlot, key, head);
        if (page1.size() > 0) putRow(kPag1Slot, key, page1);
    }
    QByteArray exported() const {
        QFile file(panel.textFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    // Delimited by ~ and ",", the given mode, text of selection lists.
    void chooseDelimited(ExportMode mode) {
        panel.chooseMethod(ExportMethod::Delimited);
        panel.editDelimiter("~");
        panel.editSeparator(",");
        panel.chooseMode(mode);
        panel.chooseOption(SelectionOutput::Text);
    }

    QuietHost host;
    ExportTextPanel panel{session, host};
};

}  // namespace vn::test
