#pragma once

#include "exchange/panels/backup_destinations.h"
#include "exchange/panels/panel_work.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QGroupBox>
#include <functional>
#include <memory>
#include <vector>

class QBoxLayout;
class QVBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vn {

// The progress of long work with its Cancel button. It is application-modal: while it shows,
// no other window and no menu takes input, so nothing can close the tables under the work.
class WorkDialog : public QDialog {
    Q_OBJECT
public:
    explicit WorkDialog(QWidget* parent);
    void show(const Gauge& gauge, const QString& caption);

signals:
    void cancelClicked();

private:
    QLabel* m_caption;
    QProgressBar* m_bar;
};

// A panel of window 4, drawn from its rules' state and opened afresh whenever it is shown. It is
// its rules' host during long work: the window answers only once the work dialog shows (after a
// moment), and then only to its Cancel. The exit signals wait for the event loop, so the orderly
// exit never runs in the middle of the work.
class PanelView : public QWidget, public PanelHost {
public:
    explicit PanelView(QWidget* parent) : QWidget(parent) {}

    void redraw() override { render(); }
    void keepResponsive() override;
    // How long work runs before its dialog shows; shorter work never shows it.
    void setDialogDelay(qint64 ms) { m_dialogDelay = ms; }

protected:
    virtual void reopen() = 0;
    virtual void render() = 0;
    virtual void cancelWork() = 0;
    void showEvent(QShowEvent* event) override;
    // Called by render(): the work dialog follows the gauge.
    void showWork(const Gauge& gauge, const QString& caption);

private:
    std::unique_ptr<WorkDialog> m_dialog;
    QElapsedTimer m_working;
    qint64 m_dialogDelay = 400;  // the window waits this long without answering
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

// A gauge under its caption.
class GaugeRow : public QWidget {
public:
    GaugeRow(const QString& name, QWidget* parent);
    // The caption stays fixed when given; otherwise the gauge's own is shown.
    void render(const Gauge& gauge, const QString& fixedCaption = {});

private:
    QLabel* m_caption;
    QProgressBar* m_bar;
};

// Adds a widget under its caption, which names it to assistive technology; the caption.
QLabel* addUnderCaption(QBoxLayout* layout, const QString& caption, const char* captionName, QWidget* widget, int stretch = 0);

// The panel's framing: names the view <name>View and gives it a group box <name>Group titled
// `title`; the group's layout, for the panel's controls.
QVBoxLayout* titledPanel(QWidget* view, const QString& name, const QString& title);

// A framed label that shows a value (selectable, `lines` high at least) under a caption.
QLabel* valueLabel(const QString& name, QWidget* parent, int lines = 1);

// A button with its caption and object name, its click calling the given function.
QPushButton* panelButton(const QString& caption, const char* name, QWidget* parent, std::function<void()> clicked);

}  // namespace vn
