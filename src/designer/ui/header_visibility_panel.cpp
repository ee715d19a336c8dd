#include "designer/ui/header_visibility_panel.h"

#include "designer/web/header_visibility.h"
#include "platform/ui/named_button.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vn {

HeaderVisibilityPanel::HeaderVisibilityPanel(QWidget* parent) : QGroupBox(QStringLiteral("Header Field Visibility"), parent) {
    setObjectName(QStringLiteral("headerVisibilityView"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("Check fields you want Visible / Required when form is placed on the web."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* grid = new QGridLayout;
    for (int i = 0; i < HeaderVisibility::kFields; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(HeaderVisibility::kCaptions[std::size_t(i)]), this);
        box->setObjectName(QStringLiteral("headerVisible%1").arg(i + 1));
        box->setEnabled(!HeaderVisibility::fixed(i));
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
            if (m_flags) m_flags->set(i, on);
            render();
        });
        grid->addWidget(box, i % 8, i / 8);
        m_boxes[std::size_t(i)] = box;
    }
    layout->addLayout(grid);
    auto* row = new QHBoxLayout;
    auto* all = namedButton(QStringLiteral("All"), "allHeaderFieldsButton", this);
    auto* none = namedButton(QStringLiteral("None"), "noHeaderFieldsButton", this);
    auto* back = namedButton(QStringLiteral("Return"), "headerVisibilityReturnButton", this);
    for (QPushButton* b : {all, none, back}) row->addWidget(b);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    connect(all, &QPushButton::clicked, this, [this] {
        if (m_flags) m_flags->all();
        render();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        if (m_flags) m_flags->none();
        render();
    });
    connect(back, &QPushButton::clicked, this, [this] {
        if (m_flags) m_flags->write();
        emit returnClicked();
    });
}

void HeaderVisibilityPanel::open(HeaderVisibility* flags) {
    m_flags = flags;
    if (m_flags) m_flags->read();
    render();
}

void HeaderVisibilityPanel::render() {
    if (!m_flags) return;
    for (int i = 0; i < HeaderVisibility::kFields; ++i) {
        const QSignalBlocker quiet(m_boxes[std::size_t(i)]);
        m_boxes[std::size_t(i)]->setChecked(m_flags->shown(i));
    }
}

}  // namespace vn
