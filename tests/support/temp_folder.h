#pragma once

#include <QString>
#include <QTemporaryDir>

#include "support/qt_printers.h"

namespace vn::test {

// A temporary folder removed when the test ends.
class TempFolder {
public:
    TempFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

}  // namespace vn::test
