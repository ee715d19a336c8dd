#include "designer/ui/header_link_panel.h"

#include "designer/siblings/header_link.h"
#include "platform/ui/named_button.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vn {

HeaderLinkPanel::HeaderLinkPanel(QWidget* parent) : QGroupBox(QStringLiteral("Link Header Fields to..."), parent) {
    setObjectName(QStringLiteral("headerLinkView"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        const HeaderLinkChoice& choice = headerLinkChoices()[i];
        auto* radio = new QRadioButton(QString::fromLatin1(choice.caption), this);
        radio->setObjectName(QStringLiteral("headerLink%1Radio").arg(choice.code));
        group->addButton(radio, choice.code);
        layout->addWidget(radio);
        m_choices[i] = radio;
    }
    connect(group, &QButtonGroup::idClicked, this, &HeaderLinkPanel::chosen);
    auto* note = new QLabel(QStringLiteral("When a new record is created for this list, the information for the header "
                                           "fields will be obtained from a record selected out of the data set checked "
                                           "above."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    QPushButton* back = namedButton(QStringLiteral("Return"), "headerLinkReturnButton", this);
    connect(back, &QPushButton::clicked, this, &HeaderLinkPanel::returnClicked);
    layout->addWidget(back);
    layout->addStretch(1);
}

void HeaderLinkPanel::render(const HeaderLink& link) {
    const int stored = link.code();
    for (std::size_t i = 0; i < m_choices.size(); ++i) {
        const int code = headerLinkChoices()[i].code;
        const QSignalBlocker quiet(m_choices[i]);
        m_choices[i]->setChecked(code == stored);
        m_choices[i]->setEnabled(link.enabled(code));
    }
}

}  // namespace vn
