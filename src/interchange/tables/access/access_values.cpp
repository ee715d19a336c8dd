#include "interchange/tables/access/access_values.h"

#include "interchange/tables/access/access_dates.h"
#include "interchange/tables/foreign_values.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace vn {

namespace {

// The longest memo taken whole; a longer length field is damage, not text.
constexpr quint32 kLongestMemo = 64u << 20;
constexpr int kMemoHeader = MDB_MEMO_OVERHEAD;

// A text mdbtools made, freed with g_free.
QString takeText(char* text) {
    QString value = text ? QString::fromUtf8(text) : QString();
    g_free(text);
    return value;
}

template <typename T>
T raw(const MdbHandle& mdb, const MdbColumn& column) {
    T value;
    std::memcpy(&value, mdb.pg_buf + column.cur_value_start, sizeof value);
    return qFromLittleEndian(value);
}

double rawDouble(const MdbHandle& mdb, const MdbColumn& column) {
    const quint64 bits = raw<quint64>(mdb, column);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float rawFloat(const MdbHandle& mdb, const MdbColumn& column) {
    const quint32 bits = raw<quint32>(mdb, column);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The bytes a value of the type takes in the row; 0 for values of any length.
int fixedSize(int type) {
    switch (type) {
    case MDB_BYTE: return 1;
    case MDB_INT: return 2;
    case MDB_LONGINT:
    case MDB_COMPLEX:
    case MDB_FLOAT: return 4;
    case MDB_MONEY:
    case MDB_DOUBLE:
    case MDB_DATETIME: return 8;
    case MDB_REPID: return 16;
    case MDB_NUMERIC: return 17;
    default: return 0;
    }
}

// mdbtools gives an empty text when it cannot follow a memo's pages: a memo that says it has
// characters and gives none is damaged.
std::optional<QString> memoText(MdbHandle& mdb, MdbColumn& column, QString& why) {
    if (column.cur_value_len < kMemoHeader) {
        why = QStringLiteral("its memo is cut short");
        return std::nullopt;
    }
    const quint32 length = raw<quint32>(mdb, column) & 0x3fffffffu;
    if (length > kLongestMemo) {
        why = QStringLiteral("its memo claims %1 bytes").arg(length);
        return std::nullopt;
    }
    // Room for every character in UTF-8, however the memo stores it.
    mdb_set_bind_size(&mdb, std::max<size_t>(MDB_BIND_SIZE, size_t(length) * 3 + 16));
    QString text = takeText(mdb_col_to_string(&mdb, mdb.pg_buf, column.cur_value_start, MDB_MEMO, column.cur_value_len));
    mdb_set_bind_size(&mdb, MDB_BIND_SIZE);
    if (length > 0 && text.isEmpty()) {
        why = QStringLiteral("its memo cannot be read");
        return std::nullopt;
    }
    return text;
}

}  // namespace

ForeignType foreignTypeOf(const MdbColumn& column) {
    switch (column.col_type) {
    case MDB_BOOL: return ForeignType::Logical;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX: return ForeignType::Integer;
    case MDB_FLOAT:
    case MDB_DOUBLE: return ForeignType::Floating;
    case MDB_MONEY: return ForeignType::Currency;
    case MDB_NUMERIC: return ForeignType::Bcd;
    case MDB_DATETIME: return mdb_col_is_shortdate(&column) ? ForeignType::Date : ForeignType::DateTime;
    case MDB_TEXT:
    case MDB_REPID: return ForeignType::Text;
    case MDB_MEMO: return ForeignType::Memo;
    default: return ForeignType::Binary;  // OLE objects, binary and types not known here
    }
}

std::optional<QString> accessValueText(MdbHandle& mdb, MdbColumn& column, QString& why) {
    // A logical's value is its null flag, which mdbtools leaves in the length.
    if (column.col_type == MDB_BOOL) return foreign_value::logical(column.cur_value_len == 0);
    if (foreignTypeOf(column) == ForeignType::Binary || column.cur_value_len == 0) return QString();
    const int need = std::max(fixedSize(column.col_type), column.col_type == MDB_MEMO ? kMemoHeader : 0);
    if (column.cur_value_start < 0 || column.cur_value_len < need ||
        column.cur_value_start + column.cur_value_len > mdb.fmt->pg_size) {
        why = QStringLiteral("its value lies outside its page");
        return std::nullopt;
    }
    switch (column.col_type) {
    case MDB_BYTE: return foreign_value::integer(raw<quint8>(mdb, column));
    case MDB_INT: return foreign_value::integer(raw<qint16>(mdb, column));
    case MDB_LONGINT:
    case MDB_COMPLEX: return foreign_value::integer(raw<qint32>(mdb, column));
    case MDB_FLOAT: return foreign_value::floating(rawFloat(mdb, column));
    case MDB_DOUBLE: return foreign_value::floating(rawDouble(mdb, column));
    case MDB_MONEY: return foreign_value::floating(double(raw<qint64>(mdb, column)) / 10000.0);
    case MDB_DATETIME: {
        const auto value = accessDateTime(rawDouble(mdb, column));
        if (!value) why = QStringLiteral("its date is out of range");
        return value ? std::optional(foreign_value::dateTime(value->date, value->time)) : std::nullopt;
    }
    case MDB_NUMERIC:
        return takeText(mdb_numeric_to_string(&mdb, column.cur_value_start, column.col_scale, column.col_prec));
    case MDB_REPID: return takeText(mdb_uuid_to_string(mdb.pg_buf, column.cur_value_start));
    case MDB_MEMO: return memoText(mdb, column, why);
    default:
        return takeText(mdb_col_to_string(&mdb, mdb.pg_buf, column.cur_value_start, column.col_type, column.cur_value_len));
    }
}

}  // namespace vn
