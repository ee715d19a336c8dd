#include "interchange/ui/sibling_files_view.h"

#include "exchange/ui/panel_parts.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

SiblingFilesView::SiblingFilesView(Session& session, std::function<void(const QString&)> choose,
                                   std::function<void()> close, QWidget* parent)
    : QWidget(parent), m_panel(session), m_choose(std::move(choose)) {
    setObjectName(QStringLiteral("siblingFilesView"));
    auto* layout = new QVBoxLayout(this);
    m_group = new QGroupBox(this);
    m_group->setObjectName(QStringLiteral("siblingFilesGroup"));
    auto* inner = new QVBoxLayout(m_group);
    m_files = new QListWidget(m_group);
    m_files->setObjectName(QStringLiteral("siblingFilesList"));
    m_files->setAccessibleName(QStringLiteral("Files Found"));
    addUnderCaption(inner, QStringLiteral("Files Found..."), "siblingFilesCaption", m_files, 1);
    // A click, or Enter; a style that activates on a click sends both, and only the first counts.
    const auto chosen = [this](QListWidgetItem* item) {
        const QString path = m_panel.pathOf(m_files->row(item));
        if (m_chosen || path.isEmpty()) return;
        m_chosen = true;
        m_choose(path);
    };
    connect(m_files, &QListWidget::itemClicked, this, chosen);
    connect(m_files, &QListWidget::itemActivated, this, chosen);
    inner->addWidget(panelButton(QStringLiteral("Return"), "siblingReturnButton", m_group, std::move(close)), 0, Qt::AlignLeft);
    m_group->setMaximumWidth(420);
    layout->addWidget(m_group, 1, Qt::AlignLeft);
}

bool SiblingFilesView::open(int sibling) {
    if (!m_panel.open(sibling)) return false;
    m_group->setTitle(m_panel.state().caption);
    m_files->clear();
    m_files->addItems(m_panel.state().files);
    m_chosen = false;
    return true;
}

}  // namespace vn
