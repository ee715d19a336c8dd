#include "interchange/files/text_file_settings.h"

#include <span>

namespace vn {

namespace {

template <class E>
struct Word {
    QLatin1StringView word;
    E value;
};

constexpr Word<FieldMethod> kMethods[] = {
    {QLatin1StringView("fixed"), FieldMethod::FixedLength},
    {QLatin1StringView("delimited"), FieldMethod::Delimited},
    {QLatin1StringView("tab"), FieldMethod::Tab}};
constexpr Word<TextCharset> kCharsets[] = {
    {QLatin1StringView("windows-1252"), TextCharset::Windows1252}, {QLatin1StringView("utf-8"), TextCharset::Utf8}};
constexpr Word<SelectionOutput> kSelections[] = {
    {QLatin1StringView("text"), SelectionOutput::Text}, {QLatin1StringView("index"), SelectionOutput::Index}};
constexpr Word<QChar> kCharacters[] = {
    {QLatin1StringView("tab"), QChar(u'\t')}, {QLatin1StringView("space"), QChar(u' ')}, {QLatin1StringView("none"), QChar()}};

using Refusal = std::optional<QString>;

template <class T>
Refusal givenTwice(const std::optional<T>& slot, const SettingLine& line) {
    if (slot) return QStringLiteral("\"%1\" is given twice.").arg(line.name);
    return std::nullopt;
}

template <class E>
QStringList wordsOf(std::span<const Word<E>> words) {
    QStringList found;
    for (const Word<E>& w : words) found << QString(w.word);
    return found;
}

template <class E>
Refusal setWord(std::optional<E>& slot, const SettingLine& line, std::span<const Word<E>> words) {
    if (Refusal twice = givenTwice(slot, line)) return twice;
    for (const Word<E>& w : words)
        if (line.value.compare(w.word, Qt::CaseInsensitive) == 0) {
            slot = w.value;
            return std::nullopt;
        }
    return QStringLiteral("\"%1\" must be one of: %2.").arg(line.name, wordsOf(words).join(QStringLiteral(", ")));
}

Refusal setNumber(std::optional<int>& slot, const SettingLine& line, int lowest, int highest) {
    if (Refusal twice = givenTwice(slot, line)) return twice;
    bool digits = !line.value.isEmpty() && line.value.size() <= 9;
    for (QChar c : line.value) digits = digits && c >= u'0' && c <= u'9';
    const int number = digits ? line.value.toInt() : -1;
    if (number < lowest || number > highest)
        return QStringLiteral("\"%1\" must be a whole number from %2 to %3.").arg(line.name).arg(lowest).arg(highest);
    slot = number;
    return std::nullopt;
}

// One character, or a word for one; "none" only where the character may be left out.
Refusal setCharacter(std::optional<QChar>& slot, const SettingLine& line, bool noneAllowed, const std::optional<QChar>& other) {
    if (Refusal twice = givenTwice(slot, line)) return twice;
    std::optional<QChar> found;
    if (line.value.size() == 1) found = line.value[0];
    for (const Word<QChar>& w : kCharacters)
        if (line.value.compare(w.word, Qt::CaseInsensitive) == 0 && (noneAllowed || !w.value.isNull())) found = w.value;
    if (!found)
        return QStringLiteral("\"%1\" must be one character, tab, space%2.")
            .arg(line.name, noneAllowed ? QStringLiteral(" or none") : QString());
    if (other && !found->isNull() && *other == *found) return QStringLiteral("The delimiter and the separator must differ.");
    slot = found;
    return std::nullopt;
}

Refusal applyNamed(TextFileSettings& s, const QString& name, const SettingLine& line, bool& known) {
    known = true;
    if (name == u"method") return setWord<FieldMethod>(s.method, line, kMethods);
    if (name == u"size") return setNumber(s.size, line, 1, kLargestFieldSize);
    if (name == u"delimiter") return setCharacter(s.delimiter, line, true, s.separator);
    if (name == u"separator") return setCharacter(s.separator, line, false, s.delimiter);
    if (name == u"skip") return setNumber(s.skip, line, 0, 999999999);
    if (name == u"charset") return setWord<TextCharset>(s.charset, line, kCharsets);
    if (name == u"selection") return setWord<SelectionOutput>(s.selection, line, kSelections);
    known = false;
    return std::nullopt;
}

template <class E>
QString wordFor(E value, std::span<const Word<E>> words) {
    for (const Word<E>& w : words)
        if (w.value == value) return QString(w.word);
    return QString();
}

QString characterText(QChar c) {
    const QString word = wordFor<QChar>(c, kCharacters);
    return word.isEmpty() ? QString(c) : word;
}

}  // namespace

QString settingNames() { return QStringLiteral("method, size, delimiter, separator, skip, charset, selection"); }

SettingOutcome applySetting(TextFileSettings& settings, const SettingLine& line, MapFileProblem& problem) {
    bool known = false;
    const Refusal refusal = applyNamed(settings, line.name.toLower(), line, known);
    if (!known) return SettingOutcome::NotASetting;
    if (!refusal) return SettingOutcome::Applied;
    problem = {line.line, *refusal};
    return SettingOutcome::Refused;
}

bool readFileLines(const QString& text, TextFileSettings& settings,
                   const std::function<bool(const SettingLine&, MapFileProblem&)>& ownLine, MapFileProblem& problem) {
    const auto lines = settingLines(text, problem);
    if (!lines) return false;
    for (const SettingLine& line : *lines) {
        const SettingOutcome outcome = applySetting(settings, line, problem);
        if (outcome == SettingOutcome::Refused) return false;
        if (outcome == SettingOutcome::NotASetting && !ownLine(line, problem)) return false;
    }
    return true;
}

QList<NameValue> settingValues(const TextFileSettings& s) {
    QList<NameValue> lines;
    if (s.method) lines.append({QStringLiteral("method"), wordFor<FieldMethod>(*s.method, kMethods)});
    if (s.size) lines.append({QStringLiteral("size"), QString::number(*s.size)});
    if (s.delimiter) lines.append({QStringLiteral("delimiter"), characterText(*s.delimiter)});
    if (s.separator) lines.append({QStringLiteral("separator"), characterText(*s.separator)});
    if (s.skip) lines.append({QStringLiteral("skip"), QString::number(*s.skip)});
    if (s.charset) lines.append({QStringLiteral("charset"), wordFor<TextCharset>(*s.charset, kCharsets)});
    if (s.selection) lines.append({QStringLiteral("selection"), wordFor<SelectionOutput>(*s.selection, kSelections)});
    return lines;
}

std::optional<CutSettings> cutSettingsOf(const TextFileSettings& s, QString& message) {
    CutSettings cut;
    cut.method = s.method.value_or(FieldMethod::None);
    cut.size = s.size.value_or(0);
    cut.delimiter = s.delimiter.value_or(QChar());
    cut.separator = s.separator.value_or(QChar());
    if (cut.method == FieldMethod::None) message = QStringLiteral("No \"method\" (fixed, delimited or tab) is given.");
    else if (cut.method == FieldMethod::FixedLength && cut.size < 1) message = QStringLiteral("The fixed method needs a \"size\".");
    else if (cut.method == FieldMethod::Delimited && cut.separator.isNull()) message = QStringLiteral("The delimited method needs a \"separator\".");
    else return cut;
    return std::nullopt;
}

}  // namespace vn
