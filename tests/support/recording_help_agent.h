#pragma once

#include "platform/help_agent.h"

#include <QList>
#include <QStringList>

namespace vn::test {

// A help character that keeps what it was asked to say and where.
class RecordingHelpAgent final : public HelpAgent {
public:
    bool enabled() const override { return on; }
    void speak(const QString& text, QPoint screenPoint) override {
        said << text;
        points << screenPoint;
    }
    void hide() override { ++hidden; }
    void askControlHelp(const QString& controlName, QPoint) override { asked << controlName; }

    bool on = true;
    QStringList said;
    QList<QPoint> points;
    QStringList asked;  // the controls whose help phrase was asked for
    int hidden = 0;
};

}  // namespace vn::test
