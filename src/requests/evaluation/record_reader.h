#pragma once

#include "lists/records/record_tables.h"
#include "requests/evaluation/evaluation.h"
#include "store/access/key_follower.h"
#include "requests/evaluation/prepared_request.h"

#include <array>
#include <optional>
#include <vector>

namespace vn {

class RecordAccess;

// The values a prepared request asks for, of the record Head is on. A value is read when first
// asked for, and its page row looked up then: a record whose verdict is clear early costs less.
class RecordReader {
public:
    RecordReader(RecordAccess& access, const PreparedRequest& prepared, const LinkedFieldReader& linked);

    // Head is on the record with the key; nothing of it is read yet.
    void start(const QString& key);
    const QString& value(qsizetype source);

private:
    enum class Row { Unknown, Found, Missing };

    QString read(const ValueSource& source);
    bool hasPageRow(int page);

    RecordAccess& m_access;
    const PreparedRequest& m_prepared;
    const LinkedFieldReader& m_linked;
    QString m_key;
    std::vector<QString> m_values;
    std::vector<char> m_read;
    std::array<std::optional<KeyFollower>, kPageCount + 1> m_pages;
    std::array<Row, kPageCount + 1> m_rows{};
};

}  // namespace vn
