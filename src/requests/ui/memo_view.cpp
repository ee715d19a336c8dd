#include "requests/ui/memo_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vn {

namespace {

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A caption and the value it names, side by side.
QLabel* valueRow(QBoxLayout* layout, const char* caption, const char* name, QWidget* parent) {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    auto* value = new QLabel(QStringLiteral("0"), parent);
    value->setObjectName(QString::fromLatin1(name));
    label->setBuddy(value);
    row->addWidget(label);
    row->addWidget(value);
    row->addStretch(1);
    layout->addLayout(row);
    return value;
}

}  // namespace

MemoView::MemoView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("memoView"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Memo Printing..."), this);
    title->setObjectName(QStringLiteral("memoTitle"));
    layout->addWidget(title);
    m_records = valueRow(layout, "Record(s) Found:", "recordCountLabel", this);
    m_memos = valueRow(layout, "Memo(s) Found: ", "memoCountLabel", this);
    layout->addWidget(buildList(), 1);
    layout->addWidget(buildSelection());
    auto* back = button("Return", "memoReturnButton", this);
    layout->addWidget(back, 0, Qt::AlignLeft);
    connect(back, &QPushButton::clicked, this, &MemoView::returnClicked);
}

QWidget* MemoView::buildList() {
    auto* group = new QGroupBox(QStringLiteral("Memo(s)..."), this);
    group->setObjectName(QStringLiteral("memoGroup"));
    auto* inner = new QVBoxLayout(group);
    auto* headings = new QHBoxLayout;
    for (const char* heading : {"Page", "Name", "Memo Name", "First line.."}) {
        auto* label = new QLabel(QString::fromLatin1(heading), group);
        label->setObjectName(QStringLiteral("heading") + QString::fromLatin1(heading).remove(u' ').remove(u'.'));
        headings->addWidget(label);
    }
    headings->addStretch(1);
    inner->addLayout(headings);
    m_list = new QListWidget(group);
    m_list->setObjectName(QStringLiteral("memoList"));
    m_list->setAccessibleName(QStringLiteral("Memo(s)"));
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    inner->addWidget(m_list, 1);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
    return group;
}

QWidget* MemoView::buildSelection() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Selected: "), box);
    m_selected = new QLabel(QStringLiteral("0"), box);
    m_selected->setObjectName(QStringLiteral("selectedCountLabel"));
    caption->setBuddy(m_selected);
    auto* none = button("None", "noneButton", box);
    auto* all = button("All", "allButton", box);
    m_print = button("Print Selected Memo(s)", "printMemosButton", box);
    m_print->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(m_selected), static_cast<QWidget*>(none),
                       static_cast<QWidget*>(all), static_cast<QWidget*>(m_print)})
        row->addWidget(w);
    row->addStretch(1);
    connect(none, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    connect(all, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(m_print, &QPushButton::clicked, this, [this] { emit printClicked(chosen()); });
    return box;
}

void MemoView::showMemos(int recordCount, QList<MemoEntry> entries, const QStringList& memoNames) {
    m_entries = std::move(entries);
    m_records->setNum(recordCount);
    m_memos->setNum(int(m_entries.size()));
    const QFontMetrics metrics = m_list->fontMetrics();
    const auto widthOf = [&metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    m_list->clear();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const MemoEntry& entry = m_entries[i];
        auto* item = new QListWidgetItem(memoListLine(entry, memoNameOf(memoNames, entry.page), widthOf), m_list);
        item->setData(Qt::UserRole, int(i));  // the entry itself, never read back from the text
    }
    selectionChanged();
}

void MemoView::selectionChanged() {
    const int count = int(m_list->selectedItems().size());
    m_selected->setNum(count);
    m_print->setEnabled(count > 0);
}

QList<MemoEntry> MemoView::chosen() const {
    QList<MemoEntry> chosen;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->isSelected()) chosen << m_entries[m_list->item(row)->data(Qt::UserRole).toInt()];
    return chosen;
}

}  // namespace vn
