#pragma once

#include "exchange/backup/backup_restore.h"
#include "exchange/backup/backup_writer.h"
#include "store/engine/row_stream.h"
#include "support/store_fixture.h"

#include <QFile>
#include <map>

namespace vn::test {

using Fields = std::map<int, QString>;

// A database of every table, its tables open, and a backup file beside it.
struct BackupFixture : StoreFixture {
    QString file() const { return folder.file("vnBack.txt"); }

    void put(int slot, const QString& key, const Fields& fields) {
        access.EnsureRecord(slot, key);
        for (const auto& [field, value] : fields) access.SetFieldText(slot, field, value);
    }

    // Every field of a row, empty ones left out.
    Fields row(int slot, const QString& key) {
        Fields fields;
        if (!access.FindRecord(slot, key)) return fields;
        for (int f = 1; f < access.GetFieldCount(slot); ++f)
            if (const QString v = access.GetFieldText(slot, f); !v.isEmpty()) fields[f] = v;
        return fields;
    }

    static BackupRequest request(const QList<int>& tableSlots) {
        BackupRequest r;
        r.tableSlots = tableSlots;
        r.source = {"Wyoming", "alb", "Albany"};
        r.now = QDateTime(QDate(2024, 3, 7), QTime(14, 5));
        return r;
    }

    WorkEnd backup(const QList<int>& tableSlots, const QString& path = {}) {
        return WriteBackup(access, prompter, path.isEmpty() ? file() : path, request(tableSlots));
    }

    WorkEnd restore(RestoreMode mode, const QString& path = {}) {
        return RestoreBackup(access.database(3), prompter, path.isEmpty() ? file() : path, mode);
    }

    QByteArray bytes(const QString& path = {}) const {
        QFile f(path.isEmpty() ? file() : path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Every row of every table, field by field: what "unchanged" is measured by.
    QStringList snapshot() {
        QStringList rows;
        for (int slot = TableCatalogue::kSystemSlot; slot <= TableCatalogue::kLastDataSlot; ++slot) {
            const int fields = catalogue.table(slot).fieldCount();
            RowStream stream(access.database(slot), TableCatalogue::tableName(slot), fields);
            while (stream.next()) {
                QStringList values{TableCatalogue::shortName(slot)};
                for (int f = 0; f < fields; ++f) values << stream.value(f).toByteArray();
                rows << values.join('|');
            }
        }
        return rows;
    }

    void writeFile(const QByteArray& content, const QString& path = {}) const {
        QFile f(path.isEmpty() ? file() : path);
        if (f.open(QIODevice::WriteOnly)) f.write(content);
    }
};

// A length, field number or line count as the file writes it: one byte, the value + 32.
inline QByteArray n(int value) { return QByteArray(1, char(value + 32)); }
inline const QByteArray kMark("\xFF");

}  // namespace vn::test
