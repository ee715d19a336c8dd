#include "requests/ui/field_list_widget.h"

#include <QCheckBox>
#include <algorithm>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr int kListColumns = 3;

QString pageCaption(int page) { return page == kHeaderPage ? QStringLiteral("Header") : QStringLiteral("Page %1").arg(page); }

QString pageButtonName(int page) {
    return page == kHeaderPage ? QStringLiteral("headerButton") : QStringLiteral("page%1Button").arg(page);
}

QLabel* gridLabel(const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

FieldListWidget::FieldListWidget(QString prefix, QWidget* parent) : QWidget(parent), m_prefix(std::move(prefix)) {
    setObjectName(named(QStringLiteral("fieldListPanel")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildPageButtons());
    auto* caption = new QLabel(QStringLiteral("With Field..."), this);
    caption->setObjectName(named(QStringLiteral("withFieldLabel")));
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(named(QStringLiteral("fieldList")));
    m_scroll->setAccessibleName(QStringLiteral("With Field"));
    m_scroll->setWidgetResizable(true);
    caption->setBuddy(m_scroll);
    caption->setVisible(m_prefix.isEmpty());  // the views that name their lists have their own caption
    layout->addWidget(caption);
    layout->addWidget(m_scroll, 1);
}

QWidget* FieldListWidget::buildPageButtons() {
    m_pages = new QWidget(this);
    m_pages->setObjectName(named(QStringLiteral("pageButtons")));
    auto* row = new QHBoxLayout(m_pages);
    row->setContentsMargins(0, 0, 0, 0);
    for (int page = kHeaderPage; page <= kLastPage; ++page) {
        auto* button = new QPushButton(pageCaption(page), m_pages);
        button->setObjectName(named(pageButtonName(page)));
        connect(button, &QPushButton::clicked, this, [this, page] { emit pageClicked(page); });
        row->addWidget(button);
        m_pageButtons << button;
    }
    row->addStretch(1);
    return m_pages;
}

QString FieldListWidget::named(const QString& name) const {
    if (m_prefix.isEmpty()) return name;
    return m_prefix + name.left(1).toUpper() + name.mid(1);
}

void FieldListWidget::render(const FieldListLook& state) {
    m_pages->setVisible(!state.pageButtons.isEmpty());
    for (int page = kHeaderPage; page <= kLastPage; ++page) {
        QPushButton* button = m_pageButtons[page];
        button->setVisible(state.pageButtons.contains(page));
        button->setEnabled(state.pagesEnabled);
        QFont font = button->font();
        font.setBold(page == state.shownPage);
        button->setFont(font);
    }
    if (!m_drawnOnce || state.fields != m_drawn) rebuild(state.fields);
    m_list->setEnabled(state.listEnabled);
    for (const Entry& e : std::as_const(m_entries)) {
        const auto ticked = std::find_if(state.ticked.begin(), state.ticked.end(),
                                         [&](const auto& t) { return t.first == e.field; });
        const QSignalBlocker quiet(e.box);
        e.box->setChecked(ticked != state.ticked.end());
        const int order = ticked != state.ticked.end() ? ticked->second : 0;
        e.order->setText(order > 0 ? QString::number(order) : QString());
        e.order->setVisible(order > 0);
    }
}

void FieldListWidget::rebuild(const PageFields& fields) {
    m_drawn = fields;
    m_drawnOnce = true;
    m_entries.clear();
    m_list = new QWidget;
    m_list->setObjectName(named(QStringLiteral("fieldEntries")));
    auto* layout = new QVBoxLayout(m_list);
    auto* entries = new QGridLayout;
    for (qsizetype i = 0; i < fields.fields.size(); ++i)
        entries->addWidget(entry(fields.fields[i], fields.fields[i].caption, m_list), int(i / kListColumns),
                           int(i % kListColumns));
    layout->addLayout(entries);
    if (fields.grid) layout->addWidget(buildGrid(*fields.grid, m_list));
    layout->addStretch(1);
    m_scroll->setWidget(m_list);  // the old entries go with the old widget
}

// The table as the record screen draws it: its title in the corner, column titles on top, row
// titles down the side, a tick box per cell named after its place.
QWidget* FieldListWidget::buildGrid(const FieldGrid& grid, QWidget* parent) {
    auto* frame = new QWidget(parent);
    frame->setObjectName(named(QStringLiteral("fieldGrid")));
    auto* layout = new QGridLayout(frame);
    layout->addWidget(gridLabel(grid.title, frame, true), 0, 0);
    for (qsizetype c = 0; c < grid.columnTitles.size(); ++c)
        layout->addWidget(gridLabel(grid.columnTitles[c], frame, true), 0, int(c + 1), Qt::AlignCenter);
    for (int r = 1; r <= grid.rowTitles.size(); ++r) {
        layout->addWidget(gridLabel(grid.rowTitles[r - 1], frame, true), r, 0);
        for (int c = 1; c <= grid.columnTitles.size(); ++c) {
            const FieldChoice* cell = grid.cell(r, c);
            const QString name = QStringLiteral("T:%1C:%2R:%3").arg(cell->field.page).arg(c).arg(r);
            layout->addWidget(entry(*cell, QString(), frame, name), r, c, Qt::AlignCenter);
        }
    }
    layout->setColumnStretch(int(grid.columnTitles.size()) + 1, 1);
    return frame;
}

QWidget* FieldListWidget::entry(const FieldChoice& choice, const QString& caption, QWidget* parent, const QString& name) {
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    auto* box = new QCheckBox(caption, holder);
    box->setObjectName(named(name.isEmpty() ? QStringLiteral("field%1Check").arg(choice.field.fieldNumber) : name));
    if (!name.isEmpty()) {
        box->setAccessibleName(name);
        box->setToolTip(choice.piece);
    }
    auto* order = new QLabel(holder);
    order->setObjectName(box->objectName() + QStringLiteral("Order"));
    order->hide();
    row->addWidget(box);
    row->addWidget(order);
    row->addStretch(1);
    const FieldRef field = choice.field;
    connect(box, &QCheckBox::toggled, this, [this, field] { emit fieldClicked(field); });
    m_entries.append({field, box, order});
    return holder;
}

}  // namespace vn
