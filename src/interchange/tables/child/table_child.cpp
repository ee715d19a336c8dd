#include "interchange/tables/child/table_child.h"

#include "interchange/tables/access/access_table.h"
#include "interchange/tables/child/table_frames.h"
#include "interchange/tables/stored_table.h"
#include "interchange/tables/paradox/paradox_table.h"

#include <QFile>

#include <cstdio>

#include <sys/resource.h>

namespace vn {

std::unique_ptr<ForeignTable> openTableInProcess(const QString& kind, const QString& path, const QString& table,
                                                 ForeignProblem& problem) {
    if (kind == QLatin1String("paradox") && table.isEmpty()) return ParadoxTable::open(path, problem);
    if (kind == QLatin1String(kAccessKind) && !table.isEmpty()) return openAccessTable(path, table, problem);
    if (kind == QLatin1String(kAccessListKind) && table.isEmpty()) {
        const QStringList names = accessTableNames(path, problem);
        if (!problem.message.isEmpty()) return nullptr;
        QList<QStringList> rows;
        for (const QString& name : names) rows.append({name});
        return std::make_unique<StoredTable>(QList<ForeignColumn>{{QStringLiteral("Table"), ForeignType::Text}}, rows);
    }
    problem.message = QStringLiteral("The file \"%1\" cannot be read as a table of the kind \"%2\".").arg(path, kind);
    return nullptr;
}

bool streamTable(const QString& kind, const QString& path, const QString& tableName, QIODevice& out) {
    ForeignProblem problem;
    const auto table = openTableInProcess(kind, path, tableName, problem);
    if (!table) return out.write(table_frame::problem(problem.message)) >= 0;
    if (out.write(table_frame::table(table->columns(), table->rowCount())) < 0) return false;
    QStringList values;
    while (table->nextRow(values, problem))
        if (out.write(table_frame::row(values)) < 0) return false;
    const QByteArray last = problem.message.isEmpty() ? table_frame::end() : table_frame::problem(problem.message);
    return out.write(last) >= 0;
}

namespace {

// Lowers a limit to at most most; a lower limit the user already set stays.
bool lowerLimit(int resource, rlim_t most) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0) return false;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < most) most = limit.rlim_max;
    limit.rlim_cur = limit.rlim_max = most;
    return setrlimit(resource, &limit) == 0;
}

}  // namespace

bool limitTableChild() {
    return lowerLimit(RLIMIT_AS, kTableChildMemoryBytes) && lowerLimit(RLIMIT_CPU, kTableChildProcessorSeconds);
}

int runTableChild(int argc, char* argv[]) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "%s takes KIND PATH [TABLE]\n", kReadTableOption);
        return 2;
    }
    if (!limitTableChild()) {
        std::perror("setrlimit");
        return 1;
    }
    QFile out;
    if (!out.open(1, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) return 1;  // standard output
    const QString table = argc == 5 ? QString::fromUtf8(argv[4]) : QString();
    const bool sent = streamTable(QString::fromUtf8(argv[2]), QFile::decodeName(argv[3]), table, out);
    return sent && out.flush() ? 0 : 1;
}

}  // namespace vn
