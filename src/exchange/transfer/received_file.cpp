#include "exchange/transfer/received_file.h"

#include "store/catalogue/table_catalogue.h"
#include "store/catalogue/slots.h"
#include "store/engine/database.h"
#include "store/engine/row_stream.h"
#include "store/files/text_file.h"

#include <QDir>
#include <QFile>

namespace vn {

QSet<QByteArray> listCodesHere(Database& db) {
    QSet<QByteArray> codes;
    RowStream lists(db, TableCatalogue::tableName(kListSlot), 1);
    while (lists.next())
        if (!lists.value(0).isEmpty()) codes.insert(foldedListCode(lists.value(0)));
    return codes;
}

ReceivedFile::ReceivedFile(Database& db, const QString& path, TransferKind kind, const WorkProgress& progress)
    : m_db(db), m_path(path), m_layouts(db) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_check.refusal = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_check.refusal = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return;
    }
    m_text = utf8Text(std::move(bytes));
    m_check = checkTransfer(m_text, kind, m_layouts, listCodesHere(db), path, progress);
}

TransferApplied ReceivedFile::apply(const WorkProgress& progress) {
    if (!m_check.refusal.isEmpty() || m_check.cancelled) return {};
    Transaction transaction(m_db);
    TransferApplied applied = applyTransfer(m_text, m_check, m_db, m_layouts, progress);
    if (!applied.cancelled) transaction.commit();
    return applied;
}

QString ReceivedFile::erase() {
    QFile file(m_path);
    return file.remove() ? QString() : file.errorString();
}

}  // namespace vn
