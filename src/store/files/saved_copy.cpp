#include "store/files/saved_copy.h"

#include "store/engine/database.h"
#include "store/engine/file_commit.h"
#include "store/engine/store_error.h"
#include "store/files/file_copy.h"
#include "store/schema/layout_check.h"

#include <QFile>
#include <optional>
#include <utility>
#include <sys/stat.h>

namespace vn {

namespace {

QString stampPath(const QString& saved) { return saved + QStringLiteral(".stamp"); }

// Size, change time and file identity: any write or replacement changes one of them.
std::optional<QString> fileState(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
    return QStringLiteral("%1 %2.%3 %4:%5")
        .arg(qint64(st.st_size))
        .arg(qint64(st.st_mtim.tv_sec))
        .arg(qint64(st.st_mtim.tv_nsec))
        .arg(quint64(st.st_dev))
        .arg(quint64(st.st_ino));
}

std::optional<QString> pairState(const QString& live, const QString& saved) {
    const auto a = fileState(live);
    const auto b = fileState(saved);
    if (!a || !b) return std::nullopt;
    return QStringLiteral("live %1\nsaved %2\n").arg(*a, *b);
}

void writeStamp(const QString& live, const QString& saved) {
    const auto state = pairState(live, saved);
    if (!state) return;
    const QString temp = stampPath(saved) + QStringLiteral(".part");
    QFile file(temp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(state->toUtf8()) < 0 || !file.flush())
        return;  // without a stamp the next start compares the files the long way
    file.close();
    try {
        commitFile(temp, stampPath(saved));
    } catch (const StoreError&) {
        QFile::remove(temp);
    }
}

// Equal when every byte is, but for the header fields that copying rewrites (journal mode,
// change counter, the writer's version).
bool sameContents(const QString& live, const QString& saved) {
    QFile a(live), b(saved);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size()) return false;
    constexpr qint64 kBlock = 1 << 16;
    for (bool first = true;; first = false) {
        QByteArray x = a.read(kBlock), y = b.read(kBlock);
        if (x.size() != y.size()) return false;
        if (x.isEmpty()) return true;
        if (first && x.size() >= 100) {
            for (auto [from, to] : {std::pair{18, 20}, {24, 28}, {92, 100}})
                for (int i = from; i < to; ++i) x[i] = y[i];
        }
        if (x != y) return false;
    }
}

void checkBeforeSaving(Database& db, const QString& live) {
    QString problem = db.damage(Database::Check::Quick);
    if (problem.isEmpty()) {
        const schema::LayoutFinding layout = schema::checkLayout(db);
        if (layout.kind != schema::LayoutFinding::Kind::Fits) problem = layout.detail;
    }
    if (!problem.isEmpty()) throw StoreError(QStringLiteral("The tables in %1 are damaged: %2.").arg(live, problem));
}

}  // namespace

SavedCopyState compareWithSavedCopy(const QString& live, const QString& saved) {
    const auto state = pairState(live, saved);
    if (!state) return SavedCopyState::Differs;
    QFile file(stampPath(saved));
    if (file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()) == *state) return SavedCopyState::Stamped;
    // Without a stamp that fits (a copy made by hand, or before stamps), the bytes decide.
    return sameContents(live, saved) ? SavedCopyState::SameBytes : SavedCopyState::Differs;
}

void writeSavedCopy(const QString& live, const QString& saved) {
    {
        auto db = Database::open(live);
        checkBeforeSaving(*db, live);
        forgetSavedCopyStamp(saved);
        // With the log folded into the file, the file alone is the whole database.
        if (db->checkpoint()) CopyToFolder(live, saved);
        else db->copyTo(saved);
    }
    writeStamp(live, saved);
}

void forgetSavedCopyStamp(const QString& saved) { QFile::remove(stampPath(saved)); }

}  // namespace vn
