#include "requests/ui/report_screen_view.h"

#include "requests/report/screen_layout.h"
#include "requests/report/screen_views.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vn {

ReportScreenView::ReportScreenView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("reportScreenView"));
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("reportPictureArea"));
    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("reportPicture"));
    scroll->setWidget(m_picture);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll, 1);
    auto* row = new QHBoxLayout;
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("reportExitButton"));
    m_prior = new QPushButton(QStringLiteral("Previous View"), this);
    m_prior->setObjectName(QStringLiteral("priorViewButton"));
    m_next = new QPushButton(QStringLiteral("Next View"), this);
    m_next->setObjectName(QStringLiteral("nextViewButton"));
    row->addWidget(exit);
    row->addStretch(1);
    row->addWidget(m_prior);
    row->addWidget(m_next);
    layout->addLayout(row);
    connect(exit, &QPushButton::clicked, this, &ReportScreenView::exitClicked);
    connect(m_prior, &QPushButton::clicked, this, [this] { showView(m_view - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showView(m_view + 1); });
}

void ReportScreenView::showViews(const QString& folder, int count) {
    m_folder = folder;
    m_count = count;
    showView(1);
}

void ReportScreenView::showView(int view) {
    if (view < 1 || view > m_count) return;
    m_view = view;
    m_picture->setPixmap(QPixmap(QDir(m_folder).filePath(viewFileName(view))));
    const ViewNavigation nav = viewNavigation(view, m_count);
    m_prior->setText(nav.prior);
    m_prior->setEnabled(nav.priorEnabled);
    m_next->setText(nav.next);
    m_next->setEnabled(nav.nextEnabled);
}

}  // namespace vn
