#include "interchange/panels/table_import_texts.h"

namespace vn {

namespace {

QString kindName(TableSource kind) {
    switch (kind) {
    case TableSource::DBase: return QStringLiteral("DBase");
    case TableSource::Access: return QStringLiteral("Access");
    case TableSource::Paradox:
    case TableSource::Sibling: break;
    }
    return QStringLiteral("Paradox");
}

// "db" gives "*.[dD][bB]": the dialog then lists "x.DB" too.
QString anyCase(const char* extension) {
    QString pattern = QStringLiteral("*.");
    for (const char* c = extension; *c; ++c)
        pattern += QLatin1Char('[') + QChar::fromLatin1(*c).toLower() + QChar::fromLatin1(*c).toUpper() + QLatin1Char(']');
    return pattern;
}

}  // namespace

QString tableImportCaption(TableSource kind) { return QStringLiteral("Import %1 Data...").arg(kindName(kind)); }

QString tableImportFindCaption(TableSource kind) {
    if (kind == TableSource::Access) return QStringLiteral("Find Access Import Data Base");
    return QStringLiteral("Find %1 Import Data File").arg(kindName(kind));
}

QString tableImportInstructions(TableSource kind) {
    return QStringLiteral(
               "Map fields from the selected %1 import file to fields in the Varnedo System by first clicking on one "
               "of the selected import file fields and then clicking on the desired Varnedo field in the header or "
               "any one of the available pages.\r\rTo remove a field mapping, simply click on the header field or "
               "page field you no longer wish to map too.  Note: It is possible to map a selected import field to "
               "more than one Varnedo field.")
        .arg(kindName(kind));
}

QString tableImportFileFilter(TableSource kind) {
    switch (kind) {
    case TableSource::DBase: return QStringLiteral("DBase (%1)").arg(anyCase("dbf"));
    case TableSource::Access: return QStringLiteral("Access (%1 %2)").arg(anyCase("mdb"), anyCase("accdb"));
    case TableSource::Paradox:
    case TableSource::Sibling: break;
    }
    return QStringLiteral("db (%1)").arg(anyCase("db"));
}

QString fieldNamesInFile() { return QStringLiteral("Field Names In Selected File..."); }
QString fieldNamesInTable() { return QStringLiteral("Field Names In Selected Table..."); }
QString tablesInDataBase() { return QStringLiteral("Tables found in Data Base..."); }
QString selectTableNote() { return QStringLiteral("Select the desired table for data import from the list above."); }

QString tablePageCaption(int page) {
    static const char* const kNames[] = {"One", "Two", "Three", "Four", "Five", "Six"};
    if (page < 1 || page > 6) return QString();
    return QStringLiteral("Fld    Page %1 Fields...").arg(QLatin1String(kNames[page - 1]));
}

QString tableNotReadable(const QString& message) {
    return QStringLiteral("The table cannot be read: %1\rNothing was changed.").arg(message);
}

QString dataBaseHasNoTables(const QString& path) {
    return QStringLiteral("The data base %1 holds no tables to import.").arg(path);
}

QString columnNotMappable(const QString& name) {
    return QStringLiteral("The field %1 holds binary data and cannot be imported.").arg(name);
}

QString tableChanged(const QString& source) {
    return QStringLiteral("The fields of %1 changed since it was chosen.  Choose it again.\rNothing was changed.").arg(source);
}

QString siblingFilesCaption(int sibling) {
    static const char* const kCaptions[] = {"Halvorin Grovanta! Data Tables...", "Halvorin Pavilo Data Tables...",
                                            "Halvorin KOVRA Data Tables..."};
    return sibling >= 0 && sibling < 3 ? QString::fromLatin1(kCaptions[sibling]) : QString();
}

QString siblingFolderUnreadable(const QString& folder) {
    return QStringLiteral("The folder %1 cannot be read.").arg(folder);
}

}  // namespace vn
