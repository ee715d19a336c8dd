#pragma once

#include "interchange/tables/dbase_header.h"
#include "interchange/tables/foreign_table.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <optional>

namespace vn {

ForeignType dbaseColumnType(const DbaseField& field);

// The text of a field that is not a memo pointer, from its bytes in a record: text trimmed of its
// pad, numbers with the file's digits, dates M/D/YYYY, logicals True/False, blanks empty. Nothing
// with why set when the bytes are no value of the field's type.
std::optional<QString> dbaseFieldText(const DbaseField& field, QByteArrayView bytes, QStringDecoder& decoder, QString& why);

// The memo block a pointer field names, 0 when it is blank; nothing with why set when it is not
// a number.
std::optional<quint64> dbaseMemoBlock(const DbaseField& field, QByteArrayView bytes, QString& why);

}  // namespace vn
