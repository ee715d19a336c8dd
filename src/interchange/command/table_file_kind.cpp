#include "interchange/command/table_file_kind.h"

#include <QFileInfo>

namespace vn {

namespace {

QString extension(const QString& file) { return QFileInfo(file).suffix().toLower(); }

}  // namespace

std::optional<TableSource> tableSourceOf(const QString& file) {
    const QString suffix = extension(file);
    if (suffix == QLatin1String("mdb") || suffix == QLatin1String("accdb")) return TableSource::Access;
    if (suffix == QLatin1String("dbf")) return TableSource::DBase;
    if (suffix == QLatin1String("db")) return TableSource::Paradox;
    return std::nullopt;
}

std::optional<TableFormat> tableFormatOf(const QString& file) {
    const auto source = tableSourceOf(file);
    if (source == TableSource::Paradox) return TableFormat::Paradox;
    if (source == TableSource::DBase) return TableFormat::Dbase;
    return std::nullopt;
}

}  // namespace vn
