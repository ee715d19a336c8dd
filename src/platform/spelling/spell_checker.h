#pragma once

#include "platform/spelling/dictionary_codec.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class Hunspell;

namespace vn {

// A word the dictionary does not know, where it stands in the text (UTF-16 units).
struct Misspelling {
    qsizetype position = 0;
    qsizetype length = 0;
    QString word;
    friend bool operator==(const Misspelling&, const Misspelling&) = default;
};

// Checks English (en_US) words with Hunspell. Without a dictionary every word counts as correct.
// "Ignore All" and "Add to dictionary" last as long as the checker.
class SpellChecker {
public:
    SpellChecker();
    ~SpellChecker();
    SpellChecker(const SpellChecker&) = delete;
    SpellChecker& operator=(const SpellChecker&) = delete;

    // Cheap: looks for the files without loading them.
    static bool dictionaryInstalled();

    bool isAvailable() const { return m_hunspell != nullptr; }
    bool isCorrect(const QString& word) const;
    QStringList suggestions(const QString& word) const;
    QList<Misspelling> misspellings(const QString& text) const;
    std::optional<Misspelling> nextMisspelling(const QString& text, qsizetype from) const;

    void ignoreAll(const QString& word);
    void addToDictionary(const QString& word);

private:
    std::optional<std::string> encode(const QString& word) const;

    std::unique_ptr<Hunspell> m_hunspell;
    DictionaryCodec m_codec;
    QSet<QString> m_ignored;
};

// One checker for the run, loaded on first use: "Ignore All" and added words last the session.
SpellChecker& sessionSpellChecker();

}  // namespace vn
