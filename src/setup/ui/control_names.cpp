#include "setup/ui/control_names.h"

#include <QWidget>

namespace vn {

QString spokenCaption(const QString& caption) {
    QString spoken = caption;
    spoken.remove(QLatin1Char('&'));
    spoken.remove(QLatin1Char(':'));
    while (spoken.endsWith(QLatin1Char('.'))) spoken.chop(1);
    return spoken.trimmed();
}

void nameControl(QWidget* control, const char* objectName, const QString& caption) {
    control->setObjectName(QString::fromLatin1(objectName));
    if (!caption.isEmpty()) control->setAccessibleName(spokenCaption(caption));
}

}  // namespace vn
