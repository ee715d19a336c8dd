#pragma once

#include <QString>

namespace vn {

// The fixed button sets of the system's messages.
enum class Buttons { Ok, Cancel, OkCancel, OkNo, CancelRetry, YesNo };
enum class Answer { Ok, Cancel, No, Retry, Yes };

// How core code talks to the user: the Qt implementation shows message boxes, tests record and
// answer as told. "\r" in a text is a line break.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void beep() = 0;
    virtual Answer information(const QString& text, Buttons buttons = Buttons::Ok) = 0;
    virtual Answer warning(const QString& text, Buttons buttons = Buttons::Ok) = 0;
    virtual Answer error(const QString& text, Buttons buttons = Buttons::Ok) = 0;
    virtual Answer confirmation(const QString& text, Buttons buttons = Buttons::OkCancel) = 0;
};

}  // namespace vn
