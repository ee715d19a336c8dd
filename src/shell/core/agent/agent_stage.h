#pragma once

#include <QPoint>
#include <QString>

namespace vn {

// One thing asked of the character; it performs them one after another, in the order asked.
struct AgentRequest {
    enum class Kind { MoveTo, Show, Play, Speak };
    Kind kind = Kind::Show;
    QPoint point;  // MoveTo: the screen point
    QString text;  // Play: the animation name; Speak: the text

    friend bool operator==(const AgentRequest&, const AgentRequest&) = default;
};

// Where the character appears: a window in the program, a recording in tests.
class AgentStage {
public:
    virtual ~AgentStage() = default;
    // Brings up character 1 to 4, not yet shown.
    virtual void load(int character) = 0;
    // Starts one request; the stage tells the agent when it is done (Agent::requestDone).
    virtual void perform(const AgentRequest& request) = 0;
    // Stops speech and any request under way and takes the character away; no requestDone follows.
    virtual void release() = 0;
};

}  // namespace vn
