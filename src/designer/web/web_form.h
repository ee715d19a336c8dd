#pragma once

#include <QString>
#include <array>
#include <optional>
#include <utility>

namespace vn {

class Prompter;
class RecordAccess;

// The web form view's inputs, in the order they are filled in.
enum class WebFormInput { ReturnAddress, AgencyName, Password, ExpirationDate, Instructions, Build };

struct WebFormState {
    std::array<QString, 4> edits;  // return address, agency name, password, expiration date
    QString instructions;
    QString description;
    bool buildEnabled = false;
};

// The web settings of a data list as "Build Web Based Form File" edits them: each edit is
// written to the List row when it is left with a text, and refused with a warning when left
// empty. Without a window: the view forwards its events and draws state().
class WebForm {
public:
    static constexpr int kInstructionsLength = 222;
    static const QString kDefaultPassword;

    WebForm(RecordAccess& access, Prompter& prompter, QString listCode);

    // Reads the settings, marks the list as prepared for the web and fills in the defaults.
    void open();
    // An edit left (or Enter in it) with its text.
    void leave(WebFormInput input, const QString& text);
    // The memo changed; its text is cut to 222 characters with a warning.
    void editInstructions(const QString& text);
    void clearInstructions() { editInstructions({}); }
    // "Build ...": the confirmation; true when the file is to be built. The memo is stored first.
    bool confirmBuild();

    const WebFormState& state() const { return m_state; }
    // Where the focus goes after the last event, once.
    std::optional<WebFormInput> takeFocus() { return std::exchange(m_focus, std::nullopt); }
    const QString& listCode() const { return m_listCode; }

private:
    QString field(int number) const;
    void write(int number, const QString& text);
    bool given(WebFormInput input) const;
    void refreshBuild();

    RecordAccess& m_access;
    Prompter& m_prompter;
    QString m_listCode;
    WebFormState m_state;
    std::optional<WebFormInput> m_focus;
};

}  // namespace vn
