#pragma once

#include <QString>
#include <stdexcept>

namespace vn {

// The one error type of the store: engine and file failures, with the engine's own message.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message, int code = 0, const QString& sql = {});

    QString message() const { return m_message; }
    int code() const { return m_code; }
    QString sql() const { return m_sql; }

private:
    QString m_message;
    int m_code;
    QString m_sql;
};

}  // namespace vn
