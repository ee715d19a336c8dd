#include "store/engine/store_error.h"

namespace vn {

StoreError::StoreError(const QString& message, int code, const QString& sql)
    : std::runtime_error(message.toStdString()), m_message(message), m_code(code), m_sql(sql) {}

}  // namespace vn
