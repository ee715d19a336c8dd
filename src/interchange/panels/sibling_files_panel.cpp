#include "interchange/panels/sibling_files_panel.h"

#include "interchange/panels/import_texts.h"
#include "interchange/panels/table_import_texts.h"
#include "platform/path_resolver.h"
#include "platform/prompter.h"
#include "shell/core/session.h"

#include <QDir>

namespace vn {

QStringList tableFilesIn(const QString& folder) {
    QStringList files;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (name.endsWith(QStringLiteral(".db"), Qt::CaseInsensitive)) files << name;
    return files;
}

SiblingFilesPanel::SiblingFilesPanel(Session& session) : m_session(session) {}

bool SiblingFilesPanel::available(int sibling) const {
    return sibling >= 0 && sibling < int(m_session.siblings.size()) && m_session.siblings[std::size_t(sibling)].found;
}

bool SiblingFilesPanel::open(int sibling) {
    if (m_session.currentListCode.isEmpty()) {
        m_session.prompter.information(importNeedsList());
        return false;
    }
    if (!available(sibling)) return false;
    const SiblingInstallation& product = m_session.siblings[std::size_t(sibling)];
    const QString folder = resolvePath(product.base, product.product + QLatin1Char('/') + m_session.identity.stateCode);
    if (!QDir(folder).exists()) {
        m_session.prompter.error(siblingFolderUnreadable(folder));
        return false;
    }
    m_state = {siblingFilesCaption(sibling), folder, tableFilesIn(folder)};
    return true;
}

QString SiblingFilesPanel::pathOf(int index) const {
    if (index < 0 || index >= m_state.files.size()) return QString();
    return QDir(m_state.folder).filePath(m_state.files[index]);
}

}  // namespace vn
