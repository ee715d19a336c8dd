#pragma once

#include "platform/spelling/spell_checker.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace vn {

// One pass through a text, misspelling by misspelling, as the spelling dialog steps through it.
// Every action moves on to the next misspelling; "Change All" also applies to the rest of the text.
class SpellCheckSession {
public:
    SpellCheckSession(SpellChecker& checker, const QString& text);

    bool atEnd() const { return !m_current.has_value(); }
    const Misspelling& current() const { return *m_current; }  // only before the end
    QStringList suggestions() const;

    void change(const QString& replacement);
    void changeAll(const QString& replacement);
    void ignore();
    void ignoreAll();
    void addToDictionary();

    const QString& text() const { return m_text; }
    bool changed() const { return m_text != m_original; }

private:
    qsizetype replaceCurrent(const QString& replacement);
    void moveOn(qsizetype from);

    SpellChecker& m_checker;
    QString m_original;
    QString m_text;
    std::optional<Misspelling> m_current;
    QHash<QString, QString> m_changeAll;
};

}  // namespace vn
