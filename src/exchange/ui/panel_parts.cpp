#include "exchange/ui/panel_parts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <climits>

namespace vn {

namespace {

constexpr int kChoices = 4;

void showGauge(QProgressBar* bar, const Gauge& gauge) {
    bar->setMaximum(int(qBound(qint64(1), gauge.maximum, qint64(INT_MAX))));
    bar->setValue(int(qMin<qint64>(gauge.value, bar->maximum())));
}

}  // namespace

WorkDialog::WorkDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("workDialog"));
    setWindowTitle(QStringLiteral("Varnedo"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("workCaption"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("workBar"));
    m_caption->setBuddy(m_bar);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("workCancelButton"));
    connect(cancel, &QPushButton::clicked, this, &WorkDialog::cancelClicked);
    layout->addWidget(m_caption);
    layout->addWidget(m_bar);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    resize(420, sizeHint().height());
}

void WorkDialog::show(const Gauge& gauge, const QString& caption) {
    m_caption->setText(caption);
    showGauge(m_bar, gauge);
    if (!isVisible()) QDialog::show();
}

void PanelView::showEvent(QShowEvent* event) {
    reopen();
    render();
    QWidget::showEvent(event);
}

void PanelView::showWork(const Gauge& gauge, const QString& caption) {
    if (!gauge.working) {
        m_working.invalidate();
        if (m_dialog) m_dialog->hide();
        return;
    }
    if (!m_working.isValid()) m_working.start();
    if (m_working.elapsed() < m_dialogDelay) return;
    if (!m_dialog) {
        m_dialog = std::make_unique<WorkDialog>(this);
        connect(m_dialog.get(), &WorkDialog::cancelClicked, this, [this] { cancelWork(); });
    }
    m_dialog->show(gauge, caption);
}

void PanelView::keepResponsive() {
    if (m_dialog && m_dialog->isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(name + QStringLiteral("Bar"));
    m_caption = addUnderCaption(layout, QString(), qPrintable(name + QStringLiteral("Caption")), m_bar);
}

void GaugeRow::render(const Gauge& gauge, const QString& fixedCaption) {
    m_caption->setText(fixedCaption.isEmpty() ? gauge.caption : fixedCaption);
    showGauge(m_bar, gauge);
}

QLabel* addUnderCaption(QBoxLayout* layout, const QString& caption, const char* captionName, QWidget* widget, int stretch) {
    auto* label = new QLabel(caption, widget->parentWidget());
    label->setObjectName(QString::fromLatin1(captionName));
    label->setBuddy(widget);
    layout->addWidget(label);
    layout->addWidget(widget, stretch);
    return label;
}

QVBoxLayout* titledPanel(QWidget* view, const QString& name, const QString& title) {
    view->setObjectName(name + QStringLiteral("View"));
    auto* group = new QGroupBox(title, view);
    group->setObjectName(name + QStringLiteral("Group"));
    auto* outer = new QVBoxLayout(view);
    outer->addWidget(group);
    return new QVBoxLayout(group);
}

QLabel* valueLabel(const QString& name, QWidget* parent, int lines) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setWordWrap(lines > 1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumHeight(lines * label->fontMetrics().lineSpacing() + 2 * label->frameWidth() + 4);
    return label;
}

QPushButton* panelButton(const QString& caption, const char* name, QWidget* parent, std::function<void()> clicked) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    QObject::connect(button, &QPushButton::clicked, parent, std::move(clicked));
    return button;
}

}  // namespace vn
