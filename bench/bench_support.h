#pragma once

#include "platform/silent_prompter.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

namespace vn::bench {

using vn::SilentPrompter;

// A temporary folder for the whole run, removed at exit with the copies in it.
inline QTemporaryDir& runFolder() {
    static QTemporaryDir d;
    return d;
}

inline QString runPath(const QString& name) { return QDir(runFolder().path()).filePath(name); }

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
