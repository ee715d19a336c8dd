#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <utility>

namespace vn {

class Session;

// What the list information view shows.
struct ListInformationView {
    QString code;
    bool codeReadOnly = true;
    QString title;
    QStringList lists;  // code + "  " + title
    int chosenRow = -1;
    bool addEnabled = false;
    bool deleteEnabled = false;
    bool descriptionVisible = false;
    QString description;
    bool passwordGroupVisible = false;
    bool createPasswordVisible = false;
    bool accessPasswordVisible = false;
    bool fieldsEnabled = false;  // "Add/Modify Fields"
    bool webFormEnabled = false;
    bool webServiceEnabled = false;
    bool cloneEnabled = false;
    enum class Focus { None, Code, Title, Add, Exit, NewPassword, VerifyPassword, AccessPassword } focus = Focus::None;
};

// The rules of the "Enter List Information" view: choosing, adding, retitling, describing,
// passwording, deleting and cloning data lists. Every change is written at once.
class ListInformation {
public:
    static constexpr int kDescriptionLength = 232;

    explicit ListInformation(Session& session);

    const ListInformationView& view() const { return m_view; }
    // Where the focus should go now; asked once per change.
    ListInformationView::Focus takeFocus() { return std::exchange(m_view.focus, ListInformationView::Focus::None); }
    // Whether the password boxes are to be emptied now (another list, or none, is chosen); asked once.
    bool takePasswordClearing() { return std::exchange(m_clearPasswords, false); }
    bool listHasRecords() const { return m_hasRecords; }
    const std::array<bool, 15>& headerVisibility() const { return m_headerFlags; }

    void open();
    void newList();
    void leaveCode(const QString& typed);
    void leaveTitle(const QString& title);
    void add();
    void chooseList(int row);
    void enterAccessPassword(const QString& password);
    void leaveNewPassword(const QString& password);
    void leaveVerifyPassword(const QString& password);
    // Returns the description as kept (cut to 232 characters, with a warning, when longer).
    QString editDescription(const QString& text);
    void saveDescription();
    void clearDescription();
    void exitView();
    void deleteList();
    void cloneTextsChanged(const QString& oldCode, const QString& newCode, const QString& newTitle);
    void createClone(const QString& oldCode, const QString& newCode, const QString& newTitle);

private:
    void fillLists();
    void writeListField(const QString& code, int field, const QString& value);
    void showPasswordState(const QString& stored);
    void forgetChoice();

    Session& m_session;
    ListInformationView m_view;
    QString m_selectedCode;  // the list whose title and description are being edited
    bool m_newList = false;
    bool m_hasRecords = false;
    QString m_storedPassword;
    QString m_newPassword;
    int m_failedAttempts = 0;
    bool m_clearPasswords = false;
    std::array<bool, 15> m_headerFlags{};
};

}  // namespace vn
