#pragma once

#include "exchange/codec/work_progress.h"

#include <QString>

namespace vn {

// What a panel's rules ask of its widget.
class PanelHost {
public:
    virtual ~PanelHost() = default;
    virtual void redraw() = 0;
    // Lets the window answer its Cancel button while long work runs.
    virtual void keepResponsive() = 0;
};

// A panel's progress gauge.
struct Gauge {
    QString caption;
    qint64 value = 0;
    qint64 maximum = 0;
    bool working = false;  // long work runs: only Cancel answers
};

// Runs a panel's long work: the gauge follows it, the window stays responsive, and Cancel
// stops it.
class PanelWork {
public:
    PanelWork(Gauge& gauge, PanelHost& host) : m_gauge(gauge), m_host(host) {}

    template <typename Work>
    auto run(Work work) {
        m_cancelled = false;
        m_gauge.working = true;
        m_host.redraw();
        struct Done {
            PanelWork& w;
            ~Done() {
                w.m_gauge.working = false;
                w.m_host.redraw();
            }
        } done{*this};
        return work(progress());
    }

    void cancel() { m_cancelled = true; }

private:
    WorkProgress progress();

    Gauge& m_gauge;
    PanelHost& m_host;
    bool m_cancelled = false;
    qint64 m_shown = -1;
};

}  // namespace vn
