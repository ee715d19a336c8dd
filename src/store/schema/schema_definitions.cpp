// The layouts of the System table and the data tables. Field numbers are the list positions.
#include "store/engine/table_def.h"

namespace vn::schema {

namespace {

using Fields = QList<FieldDef>;

constexpr int kRecordKey = 20;   // 17 characters, 18 from sequence number 10000 on
constexpr int kListCode = 3;
constexpr int kDefinitionKey = 6;
constexpr int kNumber = 5;       // integers kept as text, a sign included
constexpr int kRequestKey = 70;  // list code, two spaces, request name
constexpr int kRequestFields = 111;

Fields numbered(const QString& prefix, int from, int to, int size) {
    Fields fields;
    for (int i = from; i <= to; ++i) fields << textField(prefix + QString::number(i), size);
    return fields;
}

TableDef withDelta(const QString& name, Fields fields, QList<IndexDef> indexes = {}) {
    fields << textField(QStringLiteral("Delta"), 1);
    return {name, fields, indexes};
}

TableDef temp() { return withDelta("Temp", Fields{textField("Key", 60)} + numbered("Text", 1, 10, 255)); }

TableDef system() {
    return {"System",
            {textField("Key", 40), textField("Value", 120), textField("Written", 25), textField("Spare", 40),
             textField("Done", 1)},
            {}};
}

TableDef parm() {
    Fields f{textField("Key", 20), textField("Prompt", 80), textField("Value", 255), textField("Count", kNumber)};
    f << numbered("Option", 1, 10, 30);
    f << textField("Maximum", 20) << textField("Minimum", 20) << textField("Date", 25) << textField("Locked", 1);
    return withDelta("Parm", f);
}

TableDef county() {
    return withDelta("Coun", {textField("Code", 10), textField("Number", kNumber), textField("Name", 40)});
}

TableDef district() {
    return withDelta("Dist", {textField("Code", 10), textField("Number", 10), textField("Name", 40),
                              textField("Counties", kNumber), textField("CountyCodes", 255)});
}

TableDef cities(const QString& name) {
    return withDelta(name, {textField("Key", 40), textField("CityData", 60), textField("County", 10),
                            textField("MoreData", 60)});
}

TableDef list() {
    Fields f{textField("Code", kListCode), textField("Title", 60), textField("LastDefinition", kNumber)};
    f << numbered("Counter", 3, 7, kNumber);
    f << textField("Created", kNumber) << textField("WebForm", 1) << textField("Password", 20)
      << textField("HeaderLink", kNumber) << textField("AgencyEmail", 80) << textField("WebHeader", 15)
      << textField("Instructions", 222) << textField("Desc", 232) << textField("AgencyName", 80)
      << textField("Expires", 8);
    return withDelta("List", f);
}

TableDef fieldDisplay() {
    Fields f{textField("Key", kDefinitionKey), textField("Active", kNumber), textField("Kind", kNumber),
             textField("Slot", kNumber), textField("Caption", 90), textField("Top", kNumber),
             textField("Left", kNumber), textField("Width", kNumber), textField("Height", kNumber),
             textField("TabOrder", kNumber), textField("Required", kNumber), textField("CharType", kNumber),
             textField("HasList", kNumber), textField("Buttons", kNumber)};
    f << numbered("Button", 1, 10, 30);
    f << textField("ListLocked", kNumber) << textField("DataSet", kNumber) << textField("DataSetField", kNumber)
      << textField("Size", kNumber) << textField("ReadOnly", kNumber) << textField("Exclusive", kNumber)
      << textField("FontSize", kNumber) << textField("Colour", kNumber);
    return withDelta("Fdis", f);
}

TableDef tableConstruction() {
    Fields f{textField("Key", kDefinitionKey), textField("Name", 30), textField("Columns", kNumber),
             textField("Rows", kNumber)};
    for (int c = 0; c <= 5; ++c)
        f << textField(QStringLiteral("Size%1").arg(c), kNumber) << textField(QStringLiteral("Title%1").arg(c), 30);
    f << numbered("Row", 1, 10, 30);
    return withDelta("Tdat", f);
}

TableDef header() {
    Fields f{textField("Key", kRecordKey), textField("Title", 20), textField("First", 40), textField("MI", 5),
             textField("Last", 40), textField("Suffix", 10), textField("HomePhone", 20),
             textField("WorkPhone", 20), textField("Email", 80), textField("Position", 60),
             textField("Company", 60), textField("Address1", 60), textField("Address2", 60),
             textField("City", 40), textField("State", 20), textField("Zip", 10),
             textField("LinkKind", kNumber), textField("LinkKey", 40)};
    f << numbered("SourceKey", 1, 8, 8);
    f << textField("Delta", 1);
    // Carried along by whole-row copies; WebTime orders the records by web creation.
    f << textField("WebTime", 25) << textField("WebId", 40) << textField("Spare", 40);
    return {"Head", f, {{"NameIndex", {4, 2}}, {"Time", {26 + 1}}}};
}

TableDef page(const QString& name) {
    Fields f{textField("Key", kRecordKey)};
    f << numbered("Text", 1, 20, 90) << numbered("Check", 1, 40, 1) << numbered("Radio", 1, 10, 2)
      << numbered("Cell", 1, 50, 60);
    f << memoField("Memo");
    return withDelta(name, f);
}

TableDef queue() {
    Fields f{textField("Key", kRequestKey), textField("Spare", 10)};
    f << numbered("Display", 1, 3, 110);
    f << textField("Kind", kNumber) << textField("Conditions", kNumber);
    for (int i = 1; i <= 30; ++i) {
        const QString n = QString::number(i);
        f << textField("Open" + n, kNumber) << textField("Page" + n, kNumber) << textField("Field" + n, kNumber)
          << textField("Ident" + n, kDefinitionKey) << textField("Operator" + n, kNumber)
          << textField("Target" + n, 90) << textField("Close" + n, kNumber) << textField("Connector" + n, kNumber);
    }
    return withDelta("Queu", f);
}

TableDef requestColumns(const QString& name, const QStringList& perEntry) {
    Fields f{textField("Key", kRequestKey), textField("Count", kNumber)};
    for (int j = 1; j <= kRequestFields; ++j)
        for (const QString& part : perEntry) f << textField(part + QString::number(j), kNumber);
    return withDelta(name, f);
}

TableDef labels() {
    return withDelta("Labe", {textField("Name", 40), textField("Spare", 10), textField("PerSheet", kNumber),
                              textField("Across", kNumber), textField("Down", kNumber), textField("Width", 10),
                              textField("Height", 10), textField("Preview", kNumber),
                              textField("PrintFont", kNumber), textField("ScreenFont", kNumber)});
}

TableDef unused(const QString& name) {
    return withDelta(name, {textField("Key", 40), textField("Value1", 80), textField("Value2", 80)});
}

TableDef link() {
    // 255 characters hold 15 keys of 17 characters per block.
    return withDelta("Link", {textField("Key", kRecordKey + 2), textField("Count", kNumber),
                              textField("Position", kNumber), textField("Reading", 2), textField("Cleared", 10),
                              textField("Entries", 255)});
}

}  // namespace

QList<TableDef> buildTables() {
    return {temp(),
            system(),
            parm(),
            county(),
            district(),
            cities("City"),
            cities("Coci"),
            list(),
            fieldDisplay(),
            withDelta("Selc", {textField("Key", 96), textField("Position", kNumber)}),
            header(),
            withDelta("Help", {textField("Key", kDefinitionKey), textField("Text", 255)}),
            withDelta("Phra", {textField("Key", 60), textField("Spare", 20), textField("Phrase", 255)}),
            page("Pag1"),
            page("Pag2"),
            page("Pag3"),
            queue(),
            requestColumns("Sinf", {"SortPage", "SortField", "SortOrder"}),
            requestColumns("Pinf", {"PrintPage", "PrintField", "PrintOrder", "Position"}),
            labels(),
            unused("Chec"),
            unused("Dele"),
            link(),
            withDelta("Dsli", {textField("Key", 5), textField("Item", 90)}),
            tableConstruction(),
            page("Pag4"),
            page("Pag5"),
            page("Pag6")};
}

}  // namespace vn::schema
