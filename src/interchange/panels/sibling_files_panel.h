#pragma once

#include <QString>
#include <QStringList>

namespace vn {

class Session;

// What the sibling files view shows: a sibling product's table files of this state.
struct SiblingFilesState {
    QString caption;  // "Halvorin Grovanta! Data Tables..." ...
    QString folder;
    QStringList files;  // file names, sorted
};

// The rules of window 11's sibling files view: every "*.db" (in any case) of the product's
// folder for the state, `<base>/<product>/<state code>/`, to be opened in the Paradox view.
class SiblingFilesPanel {
public:
    explicit SiblingFilesPanel(Session& session);

    // Whether the sibling (0 Grovanta, 1 Pavilo, 2 KOVRA) is installed.
    bool available(int sibling) const;
    // Lists the sibling's table files; false, saying so, without a current list, an installed
    // sibling or a readable folder.
    [[nodiscard]] bool open(int sibling);
    const SiblingFilesState& state() const { return m_state; }
    // The chosen file's path (index 0-based); empty for no file.
    QString pathOf(int index) const;

private:
    Session& m_session;
    SiblingFilesState m_state;
};

// The "*.db" files of a folder, matched without case, sorted by name; nothing when it cannot be read.
QStringList tableFilesIn(const QString& folder);

}  // namespace vn
