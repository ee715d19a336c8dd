#pragma once

#include "platform/prompter.h"

#include <QString>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

namespace vn::bench {

// Answers every message with OK and says nothing: benchmarks must not wait for anyone.
struct SilentPrompter : Prompter {
    void beep() override {}
    Answer information(const QString&, Buttons) override { return Answer::Ok; }
    Answer warning(const QString&, Buttons) override { return Answer::Ok; }
    Answer error(const QString&, Buttons) override { return Answer::Ok; }
    Answer confirmation(const QString&, Buttons) override { return Answer::Ok; }
};

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
