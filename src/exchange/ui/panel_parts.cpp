#include "exchange/ui/panel_parts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vn {

namespace {

constexpr int kChoices = 4;

}  // namespace

void ViewHost::keepResponsive() { QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers); }

void PanelView::showEvent(QShowEvent* event) {
    reopen();
    render();
    QWidget::showEvent(event);
}

DestinationChoices::DestinationChoices(const QString& title, const QString& name, QWidget* parent) : QGroupBox(title, parent) {
    setObjectName(name + QStringLiteral("Group"));
    auto* grid = new QGridLayout(this);
    for (int choice = 1; choice <= kChoices; ++choice) {
        auto* radio = new QRadioButton(this);
        radio->setObjectName(name + QString::number(choice) + QStringLiteral("Radio"));
        auto* folder = new QLabel(this);
        folder->setObjectName(name + QString::number(choice) + QStringLiteral("FolderLabel"));
        folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(radio, choice - 1, 0);
        grid->addWidget(folder, choice - 1, 1);
        connect(radio, &QRadioButton::clicked, this, [this, choice] { emit chosen(choice); });
        m_radios.push_back(radio);
        m_folders.push_back(folder);
    }
    grid->setColumnStretch(1, 1);
}

void DestinationChoices::render(const QList<BackupDestination>& destinations, int chosen, bool enabled) {
    for (const BackupDestination& d : destinations) {
        QRadioButton* radio = m_radios.at(std::size_t(d.choice - 1));
        radio->setText(d.caption);
        radio->setEnabled(enabled && d.enabled);
        radio->setChecked(d.choice == chosen);
        const QString folder = d.folder.isEmpty() ? QStringLiteral("(the drive is not mapped to a folder)") : d.folder;
        radio->setAccessibleDescription(folder);
        m_folders.at(std::size_t(d.choice - 1))->setText(folder);
    }
    // No choice made: none is shown checked.
    if (chosen == 0)
        for (QRadioButton* radio : m_radios) {
            radio->setAutoExclusive(false);
            radio->setChecked(false);
            radio->setAutoExclusive(true);
        }
}

GaugeRow::GaugeRow(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name + QStringLiteral("Row"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_caption = new QLabel(this);
    m_caption->setObjectName(name + QStringLiteral("Caption"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(name + QStringLiteral("Bar"));
    m_caption->setBuddy(m_bar);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(name + QStringLiteral("CancelButton"));
    connect(m_cancel, &QPushButton::clicked, this, &GaugeRow::cancelClicked);
    layout->addWidget(m_caption, 0, 0, 1, 2);
    layout->addWidget(m_bar, 1, 0);
    layout->addWidget(m_cancel, 1, 1);
}

void GaugeRow::render(const Gauge& gauge, const QString& fixedCaption) {
    m_caption->setText(fixedCaption.isEmpty() ? gauge.caption : fixedCaption);
    m_bar->setMaximum(int(qMax<qint64>(1, qMin<qint64>(gauge.maximum, INT_MAX))));
    m_bar->setValue(int(qMin<qint64>(gauge.value, m_bar->maximum())));
    m_cancel->setEnabled(gauge.working);
}

void setWindowMenusEnabled(QWidget& panel, bool enabled) {
    if (auto* window = qobject_cast<QMainWindow*>(panel.window())) window->menuBar()->setEnabled(enabled);
}

QLabel* addUnderCaption(QBoxLayout* layout, const QString& caption, const char* captionName, QWidget* widget, int stretch) {
    auto* label = new QLabel(caption, widget->parentWidget());
    label->setObjectName(QString::fromLatin1(captionName));
    label->setBuddy(widget);
    layout->addWidget(label);
    layout->addWidget(widget, stretch);
    return label;
}

QPushButton* panelButton(const QString& caption, const char* name, QWidget* parent, std::function<void()> clicked) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    QObject::connect(button, &QPushButton::clicked, parent, std::move(clicked));
    return button;
}

}  // namespace vn
