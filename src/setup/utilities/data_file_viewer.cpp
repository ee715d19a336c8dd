#include "setup/utilities/data_file_viewer.h"

#include "setup/utilities/table_viewer_model.h"
#include "store/access/record_access.h"
#include "store/engine/table.h"

namespace vn {

DataFileViewer::DataFileViewer(RecordAccess& access, std::function<QDate()> today)
    : m_access(access), m_attempts(std::move(today)) {}

DataFileViewer::~DataFileViewer() = default;

QStringList DataFileViewer::fileNames() {
    QStringList names;
    for (int slot = TableCatalogue::kSystemSlot; slot <= TableCatalogue::kLastDataSlot; ++slot)
        names << TableCatalogue::fileName(slot);
    return names;
}

int DataFileViewer::slotOfFile(const QString& fileName) {
    const QString head = fileName.left(4);
    for (int slot = TableCatalogue::kSystemSlot; slot <= TableCatalogue::kLastDataSlot; ++slot)
        if (head.compare(TableCatalogue::shortName(slot), Qt::CaseInsensitive) == 0) return slot;
    return 0;
}

bool DataFileViewer::choose(const QString& fileName) {
    const int slot = slotOfFile(fileName);
    if (slot == 0) return false;
    m_model.reset();
    Database& db = m_access.database(slot);
    m_table = std::make_unique<Table>(db.shared_from_this(), TableCatalogue::tableName(slot));
    m_model = std::make_unique<TableViewerModel>(*m_table);
    m_model->setEditable(m_unlocked);
    m_slot = slot;
    return true;
}

int DataFileViewer::findFirst(const QString& text) { return m_model ? m_model->startAt(text) : -1; }

bool DataFileViewer::leavePassword(const QString& typed) {
    switch (m_attempts.leave(typed)) {
    case GuardAttempts::Verdict::Opened:
        m_unlocked = true;
        break;
    case GuardAttempts::Verdict::Exhausted:
        m_unlocked = false;
        break;
    case GuardAttempts::Verdict::Failed:
        break;
    }
    if (m_model) m_model->setEditable(m_unlocked);
    return m_unlocked;
}

void DataFileViewer::close() {
    m_model.reset();
    m_table.reset();
    m_slot = 0;
    m_unlocked = false;
    m_attempts.reset();
}

}  // namespace vn
