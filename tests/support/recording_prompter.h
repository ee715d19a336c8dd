#pragma once

#include "platform/prompter.h"

#include <QList>
#include <QStringList>

namespace vn::test {

// Records every message and answers from a queue (Ok when the queue is empty).
class RecordingPrompter : public Prompter {
public:
    struct Message {
        QString kind;
        QString text;
    };

    void beep() override { ++beeps; }
    Answer information(const QString& text, Buttons) override { return record("information", text); }
    Answer warning(const QString& text, Buttons) override { return record("warning", text); }
    Answer error(const QString& text, Buttons) override { return record("error", text); }
    Answer confirmation(const QString& text, Buttons) override { return record("confirmation", text); }

    QStringList texts() const {
        QStringList all;
        for (const Message& m : messages) all << m.text;
        return all;
    }

    QList<Message> messages;
    QList<Answer> answers;
    int beeps = 0;

private:
    Answer record(const char* kind, const QString& text) {
        messages.append({QString::fromLatin1(kind), text});
        return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
    }
};

}  // namespace vn::test
