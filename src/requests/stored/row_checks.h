#pragma once

#include "requests/stored/request_rows.h"

#include <QString>

// Reading and writing stored rows field by field with their checks; shared by the request rows
// and the label sheet rows. Internal to requests_stored.
namespace vn::row_checks {

struct Range {
    qint64 low, high;
    bool holds(qint64 value) const { return value >= low && value <= high; }
    QString text() const;  // "0 to 6"
};

// Names a field of a table for messages ("condition 2: page").
using FieldNamer = QString (*)(int field);

// A text as a message quotes it: cut after 60 characters, so a row from outside cannot flood
// the message.
QString quoted(const QString& text);

// A row being read: every access is checked against the row's end, and a refusal throws
// StoreError "The <table> row "<key>" is refused: ...".
class RowReader {
public:
    RowReader(QString table, const RowFields& row, FieldNamer namer);

    QString key() const { return m_row.value(0); }
    // Refuses a row that ends before the field.
    void require(int field) const;
    QString text(int field) const;
    // Digits only (empty counts as 0), within the range.
    int integer(int field, Range range) const;
    // A text "field N (name) holds "value"" for messages about one field.
    QString holding(int field) const;
    [[noreturn]] void refuse(const QString& problem) const;

private:
    QString m_table;
    const RowFields& m_row;  // borrowed
    FieldNamer m_namer;
};

// A row being written under the layout: values its field cannot hold throw StoreError
// "The request "<key>" cannot be saved: ...".
class RowWriter {
public:
    RowWriter(const RowLayout& layout, QString key, FieldNamer namer);

    void require(int field) const;
    void text(int field, const QString& value);
    void integer(int field, qint64 value, Range range);
    [[noreturn]] void refuse(const QString& problem) const;
    RowFields take() { return std::move(m_fields); }

private:
    QString describe(int field) const;

    const RowLayout& m_layout;  // borrowed
    QString m_key;
    FieldNamer m_namer;
    RowFields m_fields;
};

}  // namespace vn::row_checks
