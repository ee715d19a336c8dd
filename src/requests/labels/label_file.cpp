#include "requests/labels/label_file.h"

#include "platform/prompter.h"
#include "platform/whole_file.h"

#include <QDir>

namespace vn {

namespace {

// The characters that would end a field or a label in the file.
bool breaksTheFile(QChar c) { return c == u'~' || c == u'\r' || c == u'\n'; }

}  // namespace

QByteArray labelFileBytes(const QList<LabelLines>& labels) {
    QString text;
    for (const LabelLines& label : labels) {
        for (QString line : label) {
            std::replace_if(line.begin(), line.end(), breaksTheFile, u' ');
            text += line + u'~';
        }
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

bool writeLabelFile(const QString& filesFolder, const QList<LabelLines>& labels, Prompter& prompter) {
    const QString path = QDir(filesFolder).filePath(kLabelFileName);
    QDir().mkpath(filesFolder);  // a failure shows as the file's own message
    const QString failure = writeWholeFile(path, labelFileBytes(labels));
    if (!failure.isEmpty()) {
        prompter.error(QStringLiteral("Label File Can Not Be Opened!\r\r") + failure, Buttons::Cancel);
        return false;
    }
    prompter.information(QStringLiteral("Task Completed!  Label(s) are in File ") + path);
    return true;
}

}  // namespace vn
