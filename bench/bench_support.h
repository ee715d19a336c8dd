#pragma once

#include "platform/silent_prompter.h"

#include <QString>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

namespace vn::bench {

using vn::SilentPrompter;

// Runs plain SQL for a baseline; throws with SQLite's message.
inline void exec(sqlite3* db, const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "sqlite error";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

}  // namespace vn::bench
