#pragma once

#include <QPoint>
#include <QString>

namespace vn {

// The on-screen help character as other windows use it: they hand it a text and a point.
class HelpAgent {
public:
    virtual ~HelpAgent() = default;
    // Help is switched on and a character is chosen.
    virtual bool enabled() const = 0;
    // Shows the character at the screen point, speaking the text.
    virtual void speak(const QString& text, QPoint screenPoint) = 0;
    virtual void hide() = 0;
    // A right click on the named control of the window shown: its help phrase, or the phrase
    // editor while phrases are being written. Nothing without a character.
    virtual void askControlHelp(const QString& controlName, QPoint screenPoint) {
        (void)controlName;
        (void)screenPoint;
    }
};

// No character: help is off, nothing is spoken.
class NoHelpAgent final : public HelpAgent {
public:
    bool enabled() const override { return false; }
    void speak(const QString&, QPoint) override {}
    void hide() override {}
};

inline HelpAgent& noHelpAgent() {
    static NoHelpAgent none;
    return none;
}

}  // namespace vn
