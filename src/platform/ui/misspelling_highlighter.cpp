#include "platform/ui/misspelling_highlighter.h"

#include "platform/spelling/spell_checker.h"

namespace vn {

MisspellingHighlighter::MisspellingHighlighter(SpellChecker& checker, QTextDocument* document)
    : QSyntaxHighlighter(document), m_checker(checker) {}

void MisspellingHighlighter::highlightBlock(const QString& text) {
    if (!m_checker.isAvailable()) return;
    QTextCharFormat misspelt;
    misspelt.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    misspelt.setUnderlineColor(Qt::red);
    for (const Misspelling& m : m_checker.misspellings(text)) setFormat(int(m.position), int(m.length), misspelt);
}

}  // namespace vn
