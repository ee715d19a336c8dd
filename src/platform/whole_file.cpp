#include "platform/whole_file.h"

#include <QSaveFile>

namespace vn {

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

}  // namespace vn
