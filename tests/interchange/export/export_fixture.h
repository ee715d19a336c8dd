#pragma once

#include "interchange/export/export_run.h"
#include "lists/records/record_tables.h"
#include "support/store_fixture.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QMap>
#include <QProcess>
#include <gtest/gtest.h>

namespace vn::test {

inline FieldRef header(int column) { return {0, column}; }
inline FieldRef page(int page, int column) { return {page, column}; }
inline constexpr int kFirst = 2, kLast = 4, kCity = 13;

// A temporary store with records of list "abc", and export plans writing into its folder.
struct ExportFixture {
    // Writes the record's rows: Head always, a page table only when a value goes there.
    void addRecord(const QString& key, const QMap<FieldRef, QString>& values) {
        store.access.EnsureRecord(kHeadSlot, key);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            const int slot = it.key().tableSlot();
            if (!store.access.FindRecord(slot, key)) store.access.EnsureRecord(slot, key);
            store.access.SetFieldText(slot, it.key().column, it.value());
        }
    }
    QString path(const QString& name) const { return QDir(store.dataFolder()).filePath(name); }
    ExportPlan plan(ExportFormat format, const QString& name, const QList<OrderEntry>& order) const {
        ExportPlan p;
        p.listCode = QStringLiteral("abc");
        p.order = order;
        p.format = format;
        p.line = {FieldMethod::Tab, 0, QChar(), QChar()};
        p.path = path(name);
        return p;
    }
    WorkEnd run(const ExportPlan& plan, const WorkProgress& progress = {}) {
        failure.clear();
        return exportList(store.access, plan, progress, summary, failure);
    }
    // Files of the folder besides the database: what an export left behind.
    QStringList leftFiles() const {
        QStringList files = QDir(store.dataFolder()).entryList(QDir::Files);
        files.removeIf([](const QString& name) { return name.startsWith(QLatin1String("Varnedo1.db")); });
        return files;
    }

    StoreFixture store;
    ExportSummary summary;
    QString failure;
};

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What Debian's Python prints as JSON after running the script on the arguments.
inline QJsonDocument pythonJson(const QString& script, const QStringList& arguments) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), script} + arguments);
    const bool finished = python.waitForFinished(60000);
    EXPECT_TRUE(finished && python.exitCode() == 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(python.readAllStandardOutput());
}

}  // namespace vn::test
