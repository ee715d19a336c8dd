#pragma once

#include "platform/prompter.h"

#include <QList>
#include <QStringList>

namespace vn::test {

// Records every message and answers from a queue; when it is empty, Yes to a Yes/No question,
// else Ok.
class RecordingPrompter : public Prompter {
public:
    struct Message {
        QString kind;
        QString text;
    };

    void beep() override { ++beeps; }
    Answer information(const QString& text, Buttons b) override { return record("information", text, b); }
    Answer warning(const QString& text, Buttons b) override { return record("warning", text, b); }
    Answer error(const QString& text, Buttons b) override { return record("error", text, b); }
    Answer confirmation(const QString& text, Buttons b) override { return record("confirmation", text, b); }

    QStringList texts() const {
        QStringList all;
        for (const Message& m : messages) all << m.text;
        return all;
    }

    QList<Message> messages;
    QList<Answer> answers;
    int beeps = 0;

private:
    Answer record(const char* kind, const QString& text, Buttons buttons) {
        messages.append({QString::fromLatin1(kind), text});
        if (!answers.isEmpty()) return answers.takeFirst();
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

}  // namespace vn::test
