#include "exchange/ui/multi_choice_list.h"

#include "exchange/ui/panel_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vn {

namespace {

// What assistive technology calls the list: its caption up to the dots. Qt does not take a
// list's name from its buddy.
QString spokenName(const QString& caption) {
    const qsizetype dots = caption.indexOf(QLatin1String("..."));
    return dots < 0 ? caption : caption.left(dots);
}

}  // namespace

MultiChoiceList::MultiChoiceList(const QString& caption, const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name + QStringLiteral("Choice"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new QListWidget(this);
    m_list->setObjectName(name + QStringLiteral("List"));
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    m_list->setMouseTracking(true);
    const QByteArray captionName = (name + QStringLiteral("Caption")).toLatin1();
    auto* row = new QHBoxLayout;
    layout->addLayout(row, 1);
    auto* left = new QVBoxLayout;
    m_caption = addUnderCaption(left, caption, captionName.constData(), m_list, 1);
    m_list->setAccessibleName(spokenName(caption));
    row->addLayout(left, 1);
    auto* buttons = new QVBoxLayout;
    m_none = panelButton(QStringLiteral("None"), (name + QStringLiteral("NoneButton")).toLatin1().constData(), this,
                         [this] { emit noneClicked(); });
    m_all = panelButton(QStringLiteral("All"), (name + QStringLiteral("AllButton")).toLatin1().constData(), this,
                        [this] { emit allClicked(); });
    buttons->addStretch(1);
    buttons->addWidget(m_none);
    buttons->addWidget(m_all);
    row->addLayout(buttons);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        QList<int> rows;
        for (int r = 0; r < m_list->count(); ++r)
            if (m_list->item(r)->isSelected()) rows << r;
        emit chosen(rows);
    });
    connect(m_list, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) { emit pointed(m_list->row(item)); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit pointed(m_list->row(item)); });
}

void MultiChoiceList::setCaption(const QString& caption) {
    m_caption->setText(caption);
    m_list->setAccessibleName(spokenName(caption));
}

void MultiChoiceList::render(const MultiChoice& choice, bool enabled) {
    const QSignalBlocker quiet(m_list);
    bool same = m_list->count() == choice.entries.size();
    for (int r = 0; same && r < m_list->count(); ++r) same = m_list->item(r)->text() == choice.entries[r];
    if (!same) {
        m_list->clear();
        m_list->addItems(choice.entries);
    }
    for (int r = 0; r < m_list->count(); ++r) m_list->item(r)->setSelected(choice.chosen.value(r));
    m_list->setEnabled(enabled);
    m_none->setEnabled(enabled);
    m_all->setEnabled(enabled);
}

}  // namespace vn
