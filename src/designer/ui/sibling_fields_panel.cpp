#include "designer/ui/sibling_fields_panel.h"

#include "designer/siblings/sibling_field_list.h"
#include "platform/ui/named_button.h"

#include <QGroupBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace vn {

SiblingFieldsPanel::SiblingFieldsPanel(QWidget* parent) : QStackedWidget(parent) {
    setObjectName(QStringLiteral("siblingFieldsView"));
    m_sets = buildSets();
    m_fieldsView = buildFields();
    addWidget(m_sets);
    addWidget(m_fieldsView);
}

QWidget* SiblingFieldsPanel::buildSets() {
    auto* box = new QGroupBox(QStringLiteral("List Fields From..."), this);
    box->setObjectName(QStringLiteral("siblingSetsView"));
    auto* layout = new QVBoxLayout(box);
    // The groups and their buttons never change; only whether a product is present does.
    for (const SiblingSetGroup& group : siblingSetGroups(SiblingPlaces{})) {
        auto* product = new QGroupBox(group.title, box);
        product->setObjectName(QStringLiteral("siblingProduct%1Group").arg(layout->count() + 1));
        auto* buttons = new QVBoxLayout(product);
        for (const SiblingSetButton& set : group.buttons) {
            auto* b = new QPushButton(set.caption, product);
            b->setObjectName(QStringLiteral("siblingSet%1Button").arg(set.set));
            const int number = set.set;
            connect(b, &QPushButton::clicked, this, [this, number] { emit setChosen(number); });
            buttons->addWidget(b);
            m_setButtons.append(b);
        }
        layout->addWidget(product);
    }
    QPushButton* exit = namedButton(QStringLiteral("Exit"), "siblingSetsExitButton", box);
    connect(exit, &QPushButton::clicked, this, &SiblingFieldsPanel::exitClicked);
    layout->addWidget(exit);
    layout->addStretch(1);
    return box;
}

QWidget* SiblingFieldsPanel::buildFields() {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("siblingFieldListView"));
    auto* layout = new QVBoxLayout(box);
    m_fields = new QListWidget(box);
    m_fields->setObjectName(QStringLiteral("siblingFieldList"));
    m_caption = captionFor(QString(), m_fields, box);
    m_caption->setObjectName(QStringLiteral("siblingFieldsCaption"));
    layout->addWidget(m_caption);
    layout->addWidget(m_fields, 1);
    m_note = new QLabel(box);
    m_note->setObjectName(QStringLiteral("siblingFieldsNote"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);
    QPushButton* back = namedButton(QStringLiteral("Return"), "siblingFieldsReturnButton", box);
    connect(back, &QPushButton::clicked, this, &SiblingFieldsPanel::returnClicked);
    layout->addWidget(back);
    const auto choose = [this](QListWidgetItem* item) { emit fieldChosen(item->data(Qt::UserRole).toInt()); };
    connect(m_fields, &QListWidget::itemClicked, this, choose);
    connect(m_fields, &QListWidget::itemActivated, this, choose);
    return box;
}

void SiblingFieldsPanel::render(const SiblingFieldList& list) {
    const QList<SiblingSetGroup> groups = list.groups();
    int i = 0;
    for (const SiblingSetGroup& group : groups)
        for (const SiblingSetButton& set : group.buttons) m_setButtons[i++]->setEnabled(set.enabled);
    m_caption->setText(list.caption());
    m_fields->setAccessibleName(list.caption());  // item views take no name from their caption
    m_fields->clear();
    for (const SiblingField& field : list.fields()) {
        auto* item = new QListWidgetItem(field.name, m_fields);
        item->setData(Qt::UserRole, field.number);
    }
    m_note->setText(list.note());
    m_note->setVisible(!list.note().isEmpty());
    setCurrentWidget(list.showingFields() ? m_fieldsView : m_sets);
}

}  // namespace vn
