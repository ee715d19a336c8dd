#include "interchange/tables/paradox_table_writer.h"

#include "interchange/tables/table_members.h"
#include "store/engine/file_commit.h"
#include "store/engine/store_error.h"
#include "store/text/windows1252.h"

#include <QFileInfo>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <paradox.h>
}

namespace vn {

namespace {

constexpr int kCodePage = 1252;

// pxlib reports through a callback; the last message names what went wrong.
void keepMessage(pxdoc_t*, int, const char* message, void* data) {
    *static_cast<QString*>(data) = QString::fromLocal8Bit(message);
}

char* ownedName(const QString& name) {
    QByteArray bytes;
    windows1252::appendFromUtf8(name.toUtf8(), bytes);
    return strdup(bytes.constData());
}

// pxlib frees the fields and their names with the document.
pxfield_t* alphaFields(pxdoc_t* doc, const QList<NewTableField>& fields) {
    auto* out = static_cast<pxfield_t*>(doc->malloc(doc, sizeof(pxfield_t) * std::size_t(fields.size()), "fields"));
    for (qsizetype i = 0; i < fields.size(); ++i)
        out[i] = pxfield_t{ownedName(fields[i].name), pxfAlpha, fields[i].size, 0};
    return out;
}

std::unique_ptr<QTemporaryFile> reserveTemporary(const QString& folder, const QString& suffix) {
    auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/.vn-new-XXXXXX") + suffix);
    if (!file->open()) throw StoreError(QStringLiteral("%1: %2").arg(file->fileTemplate(), file->errorString()));
    file->close();
    return file;
}

}  // namespace

struct ParadoxTableWriter::Documents {
    QString message;
    pxdoc_t* data = nullptr;
    pxdoc_t* index = nullptr;

    ~Documents() {
        if (index) PX_delete(index);
        if (data) PX_delete(data);
    }
    [[noreturn]] void fail(const QString& file) const {
        throw StoreError(QStringLiteral("%1: %2").arg(file, message.isEmpty() ? QStringLiteral("cannot be written") : message));
    }
};

ParadoxTableWriter::ParadoxTableWriter() { PX_boot(); }
ParadoxTableWriter::~ParadoxTableWriter() = default;

void ParadoxTableWriter::create(const QString& path, const QList<NewTableField>& fields) {
    m_path = path;
    m_fields = fields;
    const QFileInfo info(path);
    m_data = reserveTemporary(info.absolutePath(), QStringLiteral(".db"));
    m_index = reserveTemporary(info.absolutePath(), QStringLiteral(".px"));
    m_docs = std::make_unique<Documents>();
    m_docs->data = PX_new2(keepMessage, nullptr, nullptr, nullptr);
    m_docs->data->errorhandler_user_data = &m_docs->message;
    const QByteArray file = QFile::encodeName(m_data->fileName());
    if (PX_create_file(m_docs->data, alphaFields(m_docs->data, fields), int(fields.size()), file.constData(),
                       pxfFileTypIndexDB) < 0)
        m_docs->fail(path);
    PX_set_value(m_docs->data, "numprimkeys", 1);
    PX_set_value(m_docs->data, "codepage", kCodePage);
    PX_set_parameter(m_docs->data, "tablename", info.completeBaseName().toLocal8Bit().constData());
    m_record = QByteArray(m_docs->data->px_head->px_recordsize, '\0');
}

void ParadoxTableWriter::addRow(const QList<QByteArray>& values) {
    m_record.fill('\0');
    char* field = m_record.data();
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        const QByteArray value = values.value(i).left(m_fields[i].size);
        PX_put_data_alpha(m_docs->data, field, m_fields[i].size, const_cast<char*>(value.constData()));
        field += m_fields[i].size;
    }
    if (PX_put_record(m_docs->data, m_record.data()) < 0) m_docs->fail(m_path);
}

void ParadoxTableWriter::writeIndex() {
    m_docs->index = PX_new2(keepMessage, nullptr, nullptr, nullptr);
    m_docs->index->errorhandler_user_data = &m_docs->message;
    const QByteArray file = QFile::encodeName(m_index->fileName());
    if (PX_create_file(m_docs->index, alphaFields(m_docs->index, m_fields.mid(0, 1)), 1, file.constData(),
                       pxfFileTypPrimIndex) < 0 ||
        PX_write_primary_index(m_docs->data, m_docs->index) < 0)
        m_docs->fail(tableMemberPath(m_path, QStringLiteral(".px")));
}

void ParadoxTableWriter::commit() {
    writeIndex();
    m_docs.reset();  // closes and flushes both files
    commitFile(m_data->fileName(), m_path);
    m_data->setAutoRemove(false);
    commitFile(m_index->fileName(), tableMemberPath(m_path, QStringLiteral(".px")));
    m_index->setAutoRemove(false);
}

}  // namespace vn
