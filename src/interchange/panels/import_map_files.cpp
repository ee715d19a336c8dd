// The text import view's map files: the field method's settings and the mapping, saved and read
// back into the view.
#include "interchange/files/map_file.h"
#include "interchange/panels/import_text_panel.h"
#include "interchange/panels/import_texts.h"
#include "lists/definitions/definition_cache.h"
#include "platform/prompter.h"
#include "shell/core/session.h"

#include <QSaveFile>

namespace vn {

namespace {

// The settings over the view's own, where the file gives them.
CutSettings overlaid(CutSettings settings, const TextFileSettings& file) {
    if (file.method) settings.method = *file.method;
    if (file.size) settings.size = *file.size;
    if (file.delimiter) settings.delimiter = *file.delimiter;
    if (file.separator) settings.separator = *file.separator;
    return settings;
}

QString entryText(QChar c) { return c.isNull() ? QString() : QString(c); }

}  // namespace

void ImportTextPanel::saveMapFile(const QString& path) {
    if (path.isEmpty() || !m_split || m_mapping.isEmpty()) return;
    TextFileSettings settings;
    settings.method = m_split->method;
    if (m_split->method == FieldMethod::FixedLength) settings.size = m_split->size;
    if (m_split->method == FieldMethod::Delimited) {
        settings.delimiter = m_split->delimiter;
        settings.separator = m_split->separator;
    }
    if (m_skip > 0) settings.skip = m_skip;
    settings.charset = m_lines.charset;
    QSaveFile file(path);
    const QByteArray text = mapFileText(settings, m_mapping).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        m_session.prompter.error(mapFileNotWritten(path, file.errorString()));
}

// Read whole and checked against the list's fields first: a refused file changes nothing.
void ImportTextPanel::openMapFile(const QString& path) {
    if (path.isEmpty()) return;
    if (m_state.fileName.isEmpty()) {
        m_session.prompter.information(mapFileNeedsTextFile());
        return;
    }
    MapFileProblem problem;
    std::optional<MapFile> map = readMapFile(path, *m_definitions, problem);
    if (!map) {
        m_session.prompter.error(mapFileRefused(path, problem.line, problem.message));
        return;
    }
    const CutSettings settings = overlaid(enteredSettings(), map->settings);
    if (!settings.isReady()) {
        m_session.prompter.information(mapFileNeedsMethod(path));
        return;
    }
    const std::optional<TextCharset> charset = map->settings.charset ? map->settings.charset : m_charset;
    const std::optional<QList<ImportRecord>> records = readAndCut(settings, charset);
    if (!records) return;
    const QList<int> fields = map->mapping.mappedFields();
    const int count = int(records->first().fields.size());
    m_charset = charset;
    m_skip = map->settings.skip.value_or(0);
    m_state.method = settings.method;
    m_state.sizeShown = settings.method == FieldMethod::FixedLength;
    m_state.delimitersShown = settings.method == FieldMethod::Delimited;
    m_state.sizeText = settings.size > 0 ? QString::number(settings.size) : QString();
    m_state.delimiterText = entryText(settings.delimiter);
    m_state.separatorText = entryText(settings.separator);
    m_mapping = map->mapping;
    useSplit(settings, *records);  // fields the file's first line lacks are unmapped
    if (!fields.isEmpty() && fields.last() > count) m_session.prompter.information(mapFileBeyondFields(count));
}

}  // namespace vn
