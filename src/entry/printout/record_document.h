#pragma once

#include "entry/printout/record_layout.h"
#include "platform/printing/printout.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace vn {

class DefinitionCache;

Printout recordPrintout(RecordSnapshot record, std::shared_ptr<const DefinitionCache> definitions);

struct RecordPrintoutResult {
    QString path;   // the file written
    QString error;  // the message to show; empty when written
    bool ok() const { return error.isEmpty(); }
};

// The record printout's scratch file, <Files>/<key>.pdf: written whole or not at all, and erased
// again when the record is saved, cancelled or deleted. Only the file written last is erased (a
// move with Prior or Next keeps the earlier one); a file that could not be erased (a viewer may
// hold it) is tried again at the next erase.
class RecordPrintoutFile {
public:
    using Remover = std::function<bool(const QString& path)>;  // true when the file is gone

    explicit RecordPrintoutFile(Remover remove = {});

    // Creates the Files folder when missing. A key that is not only letters, digits and "_" is
    // refused and never used as a path.
    RecordPrintoutResult write(const RecordSnapshot& record, std::shared_ptr<const DefinitionCache> definitions,
                               const QString& filesFolder);
    void erase();
    // The files the next erase removes.
    QStringList pending() const;

private:
    Remover m_remove;
    QString m_last;
    QStringList m_failed;
};

}  // namespace vn
