#pragma once

#include <QString>
#include <functional>

namespace vn {

// The password asked before a data file of another program version is taken: two wrong
// entries are allowed, the third closes the prompt without accepting. Without a window: the
// dialog forwards each confirmed entry and its closing.
class PasswordPrompt {
public:
    using Accepts = std::function<bool(const QString& typed)>;
    enum class Next { TryAgain, Close };

    explicit PasswordPrompt(Accepts accepts) : m_accepts(std::move(accepts)) {}

    void open();
    // The field left or Enter pressed in it: TryAgain empties it and keeps the focus there.
    Next confirm(const QString& typed);
    // The prompt closes with the field as it stands: the verdict.
    bool close(const QString& typed);
    bool accepted() const { return m_accepted; }

private:
    static constexpr int kLastAttempt = 2;

    Accepts m_accepts;
    int m_attempts = 0;
    bool m_accepted = false;
};

}  // namespace vn
