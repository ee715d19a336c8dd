#pragma once

#include <QPoint>
#include <QString>

namespace vn {

class Agent;
class RecordAccess;

// The phrase editor's rules: one control's help phrase read from the `Phra` table, tried out by
// the character and written back.
class PhraseEditing {
public:
    static constexpr QPoint kTestPoint{100, 100};

    PhraseEditing(RecordAccess& access, Agent& agent);

    // Takes the key; gives its stored phrase (empty when there is none).
    QString open(const QString& key);
    const QString& key() const { return m_key; }
    // The most characters the table keeps of a phrase.
    int maxLength() const;

    // The row made when missing and the phrase written, at once.
    void store(const QString& phrase);
    // Stores the phrase, then the character speaks it beside the test point.
    void test(const QString& phrase);
    void hideAgent();

private:
    RecordAccess& m_access;
    Agent& m_agent;
    QString m_key;
};

}  // namespace vn
