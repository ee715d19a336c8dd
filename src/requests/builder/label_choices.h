#pragma once

#include "requests/labels/label_text.h"
#include "requests/request.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace vn {

inline constexpr int kFirstLineChoices = 5;  // 5 is the typed text
inline constexpr int kUserFirstLine = 5;
inline constexpr int kLabelStyles = 7;       // numbered styles of each group
inline constexpr int kCustomStyle = 8;       // "Custom", after them

// The captions of first-line choices 1 to 5.
extern const std::array<const char*, kFirstLineChoices> kFirstLineCaptions;

// What the label set-up view ("Select Label Setup...") shows.
struct LabelChoicesState {
    std::optional<DuplicateMode> mode;  // none ticked until the first choice
    bool firstLineShown = false;
    QString firstLineTitle;  // "(Optional)" or "(Required)"
    int firstLine = 0;       // 0 none, 1 to 5
    bool userTextShown = false;
    bool focusUserText = false;  // "User Defined" was just chosen
    QString userText;
    bool recordStylesShown = false;
    bool familyStylesShown = false;
    int style = 0;  // 0 none, 1 to 7, kCustomStyle
    bool boxesShown = false;
    std::array<QString, kLabelBoxCount> boxes;
    std::array<bool, kLabelBoxCount> boxEditable{};
    bool clearEnabled = false;  // "Clear / Start Over"
    LabelCasing casing = LabelCasing::AsStored;
    LabelSort sort = LabelSort::ByZip;
    bool sampleShown = false;
    QStringList sample;
    QString matches;
    bool outputShown = false;  // "Output to..."
    QString hint;
};

// The choices of a Labels request after the evaluation: duplicates, first line, style or custom
// layout, casing and sorting. Without a window: the view forwards its clicks and draws state().
class LabelChoices {
public:
    // The matches without the duplicates of a family or address mode, in the order they keep.
    using RemoveDuplicates = std::function<MatchList(const MatchList& matches, DuplicateMode mode)>;

    explicit LabelChoices(RemoveDuplicates removeDuplicates);

    // The view as it opens on the evaluation's matches: nothing chosen, the defaults ticked.
    void start(MatchList matches);
    // "One label per...": everything after it starts again, on all the evaluation's matches.
    void chooseMode(DuplicateMode mode);
    // Removes the duplicates of a family or address mode (the store may throw).
    void chooseFirstLine(int choice);
    void typeUserText(const QString& text);
    void leaveUserText();
    void chooseStyle(int style);
    void typeBox(int box, const QString& text);
    void leaveBox(int box);
    void clearBoxes();  // "Clear / Start Over"
    void chooseCasing(LabelCasing casing);
    void chooseSort(LabelSort sort);
    void reSelect();  // the output choice is hidden

    LabelChoicesState state() const;
    // What the labels are printed with, as chosen.
    LabelSetup setup() const;
    // The keys the labels are for: the evaluation's, one per family or address once a first
    // line was chosen in those modes.
    const MatchList& matches() const { return m_matches; }

private:
    bool familyMode() const;
    bool boxEditable(int box) const;
    bool outputAllowed() const;
    QString firstLineText() const;
    std::optional<LabelLayout> layout() const;

    RemoveDuplicates m_removeDuplicates;
    MatchList m_evaluated;
    MatchList m_matches;
    std::optional<DuplicateMode> m_mode;
    int m_firstLine = 0;
    QString m_userText;
    bool m_focusUserText = false;
    int m_style = 0;
    std::array<QString, kLabelBoxCount> m_boxes;
    bool m_numberLeft = false;  // a custom box was left holding a line number
    LabelCasing m_casing = LabelCasing::AsStored;
    LabelSort m_sort = LabelSort::ByZip;
    bool m_reSelected = false;
    QString m_hint;
};

}  // namespace vn
