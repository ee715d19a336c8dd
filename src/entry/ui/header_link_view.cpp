#include "entry/ui/header_link_view.h"

#include "entry/links/header_link_pick.h"
#include "entry/session/entry_session.h"
#include "entry/ui/source_list_box.h"
#include "platform/prompter.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

HeaderLinkView::HeaderLinkView(EntrySession& session, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_session(session), m_prompter(prompter) {
    setObjectName(QStringLiteral("headerLinkView"));
    auto* box = new QGroupBox(QStringLiteral("Select Record Containing Desired Header Information.."), this);
    box->setObjectName(QStringLiteral("headerLinkGroup"));
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(box);
    auto* layout = new QHBoxLayout(box);
    auto* left = new QVBoxLayout;
    left->addWidget(buildSources());
    m_list = new SourceListBox(QStringLiteral("headerLink"), box);
    left->addWidget(m_list, 1);
    layout->addLayout(left, 1);
    layout->addWidget(buildBoxes());
    connect(m_list, &SourceListBox::orderChosen, this, [this](SiblingOrder order) {
        m_pick->setOrder(order);
        render();
    });
    connect(m_list, &SourceListBox::rowChosen, this, [this](int row) { choose(row); });
}

HeaderLinkView::~HeaderLinkView() = default;

QWidget* HeaderLinkView::buildSources() {
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("headerSourceGroup"));
    auto* layout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < m_sources.size(); ++i) {
        const int kind = HeaderLinkPick::kKinds[i];
        auto* radio = new QRadioButton(QString::fromLatin1(HeaderLinkPick::kindCaption(kind)), group);
        radio->setObjectName(QStringLiteral("headerSource%1Radio").arg(kind));
        connect(radio, &QRadioButton::clicked, this, [this, kind] { chooseSource(kind); });
        layout->addWidget(radio);
        m_sources[i] = radio;
    }
    return group;
}

QWidget* HeaderLinkView::buildBoxes() {
    auto* group = new QGroupBox(QStringLiteral("Matching Header Fields..."), this);
    group->setObjectName(QStringLiteral("matchingFieldsGroup"));
    auto* layout = new QVBoxLayout(group);
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        auto* edit = new QLineEdit(group);
        edit->setReadOnly(true);
        edit->setObjectName(QStringLiteral("matching%1Edit").arg(HeaderLinkPick::boxFields()[i]));
        form->addRow(QString::fromLatin1(HeaderLinkPick::boxCaptions()[i]), edit);
        m_boxes[i] = edit;
    }
    layout->addLayout(form);
    m_copy = new QPushButton(QStringLiteral("Copy Header Data"), group);
    m_copy->setObjectName(QStringLiteral("copyHeaderButton"));
    auto* back = new QPushButton(QStringLiteral("Return"), group);
    back->setObjectName(QStringLiteral("headerLinkReturnButton"));
    layout->addWidget(m_copy);
    layout->addWidget(back);
    layout->addStretch();
    connect(m_copy, &QPushButton::clicked, this, [this] { copy(); });
    connect(back, &QPushButton::clicked, this, [this] { emit finished(); });
    return group;
}

bool HeaderLinkView::start() {
    m_pick = std::make_unique<HeaderLinkPick>(m_session.siblingPlaces());
    if (!m_pick->start(m_session.listHeaderLinkKind())) return false;
    for (std::size_t i = 0; i < m_sources.size(); ++i) {
        m_sources[i]->setEnabled(m_pick->sourceEnabled(HeaderLinkPick::kKinds[i]));
        m_sources[i]->setAutoExclusive(false);
        m_sources[i]->setChecked(HeaderLinkPick::kKinds[i] == m_pick->kind());
        m_sources[i]->setAutoExclusive(true);
    }
    render();
    warnOfProblem();
    return true;
}

void HeaderLinkView::warnOfProblem() {
    const QString problem = m_pick->pick().problem();
    if (!problem.isEmpty()) m_prompter.warning(problem);
}

void HeaderLinkView::chooseSource(int kind) {
    m_pick->chooseSource(kind);
    render();
    warnOfProblem();
}

// The link picked stays with the record whether its data is copied or not.
void HeaderLinkView::choose(int row) {
    QString refusal;
    if (!m_pick->choose(row, refusal)) {
        if (!refusal.isEmpty()) m_prompter.warning(refusal);
        return;
    }
    m_session.linkHeader(m_pick->chosenKind(), m_pick->chosenKey());
    render();
}

void HeaderLinkView::copy() {
    m_session.copyHeader(m_pick->copy());
    emit finished();
}

void HeaderLinkView::render() {
    m_list->show(m_pick->pick());
    for (std::size_t i = 0; i < m_boxes.size(); ++i) m_boxes[i]->setText(m_pick->boxes()[i]);
    m_copy->setEnabled(m_pick->copyEnabled());
}

}  // namespace vn
