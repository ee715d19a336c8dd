#include "platform/spelling/spell_checker.h"

#include "platform/spelling/dictionary_files.h"
#include "platform/spelling/word_scanner.h"

#include <hunspell.hxx>

namespace vn {

SpellChecker::SpellChecker() {
    const std::optional<DictionaryFiles> files = findDictionary();
    if (!files) return;
    m_hunspell = std::make_unique<Hunspell>(files->affix.toLocal8Bit().constData(), files->words.toLocal8Bit().constData());
    m_codec = DictionaryCodec(m_hunspell->get_dict_encoding());
}

SpellChecker::~SpellChecker() = default;

bool SpellChecker::dictionaryInstalled() { return findDictionary().has_value(); }

// Typographic apostrophes become straight ones: not every dictionary maps them itself.
std::optional<std::string> SpellChecker::encode(const QString& word) const {
    return m_codec.encode(QString(word).replace(u'\u2019', u'\''));
}

bool SpellChecker::isCorrect(const QString& word) const {
    if (!m_hunspell || m_ignored.contains(word)) return true;
    const std::optional<std::string> bytes = encode(word);
    return !bytes || m_hunspell->spell(*bytes);  // a word the dictionary cannot spell is left alone
}

QStringList SpellChecker::suggestions(const QString& word) const {
    QStringList result;
    const std::optional<std::string> bytes = m_hunspell ? encode(word) : std::nullopt;
    if (!bytes) return result;
    for (const std::string& suggestion : m_hunspell->suggest(*bytes)) result << m_codec.decode(suggestion);
    return result;
}

std::optional<Misspelling> SpellChecker::nextMisspelling(const QString& text, qsizetype from) const {
    if (!m_hunspell) return std::nullopt;
    for (std::optional<TextSpan> span = nextCheckableWord(text, from); span;
         span = nextCheckableWord(text, span->position + span->length)) {
        const QString word = text.mid(span->position, span->length);
        if (!isCorrect(word)) return Misspelling{span->position, span->length, word};
    }
    return std::nullopt;
}

QList<Misspelling> SpellChecker::misspellings(const QString& text) const {
    QList<Misspelling> result;
    for (std::optional<Misspelling> m = nextMisspelling(text, 0); m; m = nextMisspelling(text, m->position + m->length))
        result << *m;
    return result;
}

void SpellChecker::ignoreAll(const QString& word) { m_ignored.insert(word); }

void SpellChecker::addToDictionary(const QString& word) {
    const std::optional<std::string> bytes = m_hunspell ? encode(word) : std::nullopt;
    if (bytes)
        m_hunspell->add(*bytes);
    else
        m_ignored.insert(word);
}

SpellChecker& sessionSpellChecker() {
    static SpellChecker checker;
    return checker;
}

}  // namespace vn
