#pragma once

#include "lists/records/record_tables.h"

#include <QString>
#include <array>

namespace vn {

class RecordAccess;

// One record in memory: its header fields and the columns of its six pages, with a change mark
// per value, loaded from and saved to the record tables.
class RecordValues {
public:
    explicit RecordValues(QString key = {}) : m_key(std::move(key)) {}

    const QString& key() const { return m_key; }
    QString header(int field) const;  // 1 to 25
    void setHeader(int field, const QString& value);
    QString page(int page, int column) const;  // page 1 to 6, column 1 to 121
    void setPage(int page, int column, const QString& value);
    bool isChanged() const;
    void clearChanges();

    // Reads the record; a missing row reads as empty values.
    void load(RecordAccess& access, const QString& key);
    // Writes the changed values, creating the header row and page rows 1 to highestPage, as one
    // transaction: all of it or nothing.
    void save(RecordAccess& access, int highestPage);

private:
    struct Value {
        QString text;
        bool changed = false;
    };
    static void checkHeader(int field);
    static void checkPage(int page, int column);

    QString m_key;
    std::array<Value, kHeadContentFields + 1> m_header;
    std::array<std::array<Value, kPageColumns + 1>, kPageCount> m_pages;
};

}  // namespace vn
