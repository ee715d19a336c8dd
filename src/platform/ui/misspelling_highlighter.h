#pragma once

#include <QSyntaxHighlighter>

namespace vn {

class SpellChecker;

// Underlines the misspelt words of a text box as the user types (nothing without a dictionary).
class MisspellingHighlighter : public QSyntaxHighlighter {
public:
    MisspellingHighlighter(SpellChecker& checker, QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;

private:
    SpellChecker& m_checker;
};

}  // namespace vn
