#pragma once

#include "support/temp_folder.h"

#include <QByteArray>
#include <QFile>

namespace vn::test {

// Points the spell checker at a temporary folder (empty until a dictionary is written) while it lives.
class DictionaryFolder {
public:
    DictionaryFolder() { qputenv("VARNEDO_DICTIONARY_DIR", m_folder.path().toLocal8Bit()); }
    ~DictionaryFolder() { qunsetenv("VARNEDO_DICTIONARY_DIR"); }
    DictionaryFolder(const DictionaryFolder&) = delete;
    DictionaryFolder& operator=(const DictionaryFolder&) = delete;

    // Writes en_US.aff and en_US.dic; `words` holds one word a line, already in the affix file's encoding.
    void write(const QByteArray& affix, const QByteArray& words) const {
        save(QStringLiteral("en_US.aff"), affix);
        save(QStringLiteral("en_US.dic"), QByteArray::number(words.count('\n')) + '\n' + words);
    }

private:
    void save(const QString& name, const QByteArray& bytes) const {
        QFile file(m_folder.file(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write %s", qPrintable(name));
    }

    TempFolder m_folder;
};

}  // namespace vn::test
