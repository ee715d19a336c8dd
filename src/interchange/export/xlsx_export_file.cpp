#include "interchange/export/xlsx_export_file.h"

#include "interchange/export/workbook_check.h"
#include "store/engine/file_commit.h"
#include "store/engine/store_error.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <xlsxwriter.h>

namespace vn {

namespace {

const char* const kFallbackSheetName = "Export";
constexpr QFileDevice::Permissions kNewFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser |
    QFileDevice::ReadGroup | QFileDevice::ReadOther;

// The value as a cell takes it: line breaks as the LF a cell uses (XML would turn a bare CR LF into
// LF anyway), at most 32,767 characters, a surrogate pair never split.
QString cellText(QString value, int& cut) {
    if (value.contains(QLatin1Char('\r'))) {
        value.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        value.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    if (value.size() <= XlsxExportFile::kCellCharacters) return value;
    ++cut;
    qsizetype size = XlsxExportFile::kCellCharacters;
    if (value[size - 1].isHighSurrogate()) --size;
    value.truncate(size);
    return value;
}

QString workbookFailure(const QString& path, int error) {
    return QStringLiteral("%1: %2").arg(path, QString::fromUtf8(lxw_strerror(lxw_error(error))));
}

}  // namespace

XlsxExportFile::XlsxExportFile(const ExportPlan& plan, ExportSummary& summary)
    : m_path(plan.path), m_sheetName(plan.listCode), m_summary(summary) {}

XlsxExportFile::~XlsxExportFile() { discard(); }

// A name beside the target, so the rename that completes the file stays on one file system.
bool XlsxExportFile::open(QString& failure) {
    QTemporaryFile reserved(m_path + QStringLiteral(".XXXXXX"));
    reserved.setAutoRemove(false);
    if (!reserved.open()) {
        failure = QStringLiteral("%1: %2").arg(m_path, reserved.errorString());
        return false;
    }
    m_temporary = reserved.fileName();
    reserved.setPermissions(QFile::exists(m_path) ? QFile::permissions(m_path) : kNewFilePermissions);
    reserved.close();
    // Rows go to disk as they are written, on the target's disk rather than /tmp.
    QByteArray folder = QFile::encodeName(QFileInfo(m_path).absolutePath());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = folder.data();
    m_workbook = workbook_new_opt(QFile::encodeName(m_temporary).constData(), &options);
    if (!m_workbook) {
        failure = QStringLiteral("%1: the workbook cannot be made").arg(m_path);
        discard();
        return false;
    }
    const QByteArray name = m_sheetName.toUtf8();
    const bool validName = !name.isEmpty() && workbook_validate_sheet_name(m_workbook, name.constData()) == LXW_NO_ERROR;
    m_sheet = workbook_add_worksheet(m_workbook, validName ? name.constData() : kFallbackSheetName);
    m_bold = workbook_add_format(m_workbook);
    if (!m_sheet || !m_bold) {
        failure = QStringLiteral("%1: the workbook cannot be made").arg(m_path);
        discard();
        return false;
    }
    format_set_bold(m_bold);
    return true;
}

void XlsxExportFile::writeCaptions(const QStringList& captions) {
    if (!m_sheet) return;
    worksheet_freeze_panes(m_sheet, 1, 0);
    writeRow(captions, m_bold);
}

void XlsxExportFile::writeRecord(const QStringList& values) { writeRow(values, nullptr); }

void XlsxExportFile::writeRow(const QStringList& cells, lxw_format* format) {
    if (!m_sheet || m_error) return;
    for (qsizetype column = 0; column < cells.size() && !m_error; ++column) {
        const QByteArray text = cellText(cells[column], m_summary.cutCells).toUtf8();
        note(worksheet_write_string(m_sheet, lxw_row_t(m_row), lxw_col_t(column), text.constData(), format));
    }
    ++m_row;
}

void XlsxExportFile::note(int error) {
    if (!m_error) m_error = error;
}

bool XlsxExportFile::commit(QString& failure) {
    if (!m_workbook) {
        failure = QStringLiteral("%1: the workbook was not made").arg(m_path);
        return false;
    }
    if (m_error) {
        failure = workbookFailure(m_path, m_error);
        discard();
        return false;
    }
    const lxw_error closed = workbook_close(m_workbook);  // frees the workbook whatever it returns
    m_workbook = nullptr;
    if (closed != LXW_NO_ERROR) {
        failure = workbookFailure(m_path, closed);
        discard();
        return false;
    }
    if (!workbookIsWhole(m_temporary, QStringLiteral("xl/worksheets/sheet1.xml"), m_row)) {
        failure = QStringLiteral("%1: the workbook could not be written completely").arg(m_path);
        discard();
        return false;
    }
    try {
        commitFile(m_temporary, m_path);
    } catch (const StoreError& error) {
        failure = error.message();
        discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

// Drops the workbook unwritten and removes the temporary file: the old file stays.
void XlsxExportFile::discard() {
    if (m_workbook) lxw_workbook_free(m_workbook);
    m_workbook = nullptr;
    m_sheet = nullptr;
    m_bold = nullptr;
    if (!m_temporary.isEmpty()) QFile::remove(m_temporary);
    m_temporary.clear();
}

}  // namespace vn
