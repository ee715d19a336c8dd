#pragma once

#include "interchange/panels/sibling_files_panel.h"

#include <QWidget>
#include <functional>

class QGroupBox;
class QListWidget;

namespace vn {

class Session;

// Window 11's list of a sibling product's table files; a chosen file goes to `choose`.
class SiblingFilesView : public QWidget {
    Q_OBJECT
public:
    SiblingFilesView(Session& session, std::function<void(const QString& path)> choose, std::function<void()> close,
                     QWidget* parent = nullptr);

    bool available(int sibling) const { return m_panel.available(sibling); }
    bool open(int sibling);

private:
    SiblingFilesPanel m_panel;
    std::function<void(const QString&)> m_choose;
    QGroupBox* m_group = nullptr;
    QListWidget* m_files = nullptr;
    bool m_chosen = false;  // a file of this listing went to the Paradox view
};

}  // namespace vn
