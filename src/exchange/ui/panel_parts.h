#pragma once

#include "exchange/panels/backup_destinations.h"
#include "exchange/panels/panel_work.h"

#include <QGroupBox>
#include <functional>
#include <vector>

class QBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vn {

// A panel's host while long work runs: it redraws the panel and lets the window answer Cancel.
// The exit signals wait for the event loop, so the orderly exit never runs in the middle of it.
class ViewHost : public PanelHost {
public:
    explicit ViewHost(std::function<void()> redraw) : m_redraw(std::move(redraw)) {}
    void redraw() override { m_redraw(); }
    void keepResponsive() override;

private:
    std::function<void()> m_redraw;
};

// A panel of window 4, drawn from its rules' state and opened afresh whenever it is shown.
class PanelView : public QWidget {
public:
    explicit PanelView(QWidget* parent) : QWidget(parent) {}

protected:
    virtual void reopen() = 0;
    virtual void render() = 0;
    void showEvent(QShowEvent* event) override;

    ViewHost m_host{[this] { render(); }};
};

// The four destinations (or locations): a radio button each, with the folder it stands for.
class DestinationChoices : public QGroupBox {
    Q_OBJECT
public:
    DestinationChoices(const QString& title, const QString& name, QWidget* parent);
    void render(const QList<BackupDestination>& destinations, int chosen, bool enabled);

signals:
    void chosen(int choice);

private:
    std::vector<QRadioButton*> m_radios;
    std::vector<QLabel*> m_folders;
};

// A gauge under its caption, and the Cancel button of the work it shows.
class GaugeRow : public QWidget {
    Q_OBJECT
public:
    GaugeRow(const QString& name, QWidget* parent);
    // The caption stays fixed when given; otherwise the gauge's own is shown.
    void render(const Gauge& gauge, const QString& fixedCaption = {});

signals:
    void cancelClicked();

private:
    QLabel* m_caption;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
};

// While long work runs only its Cancel answers: the window's menus wait as well.
void setWindowMenusEnabled(QWidget& panel, bool enabled);

// Adds a widget under its caption, which names it to assistive technology; the caption.
QLabel* addUnderCaption(QBoxLayout* layout, const QString& caption, const char* captionName, QWidget* widget, int stretch = 0);

// A button with its caption and object name, its click calling the given function.
QPushButton* panelButton(const QString& caption, const char* name, QWidget* parent, std::function<void()> clicked);

}  // namespace vn
