#pragma once

#include <QString>
#include <array>

namespace vn {

class RecordAccess;

// Which header fields the web form shows, in List field 13 as 15 x "T"/"F" in this order:
// Title, First, M.I., Last, Suffix, Phone, Work Phone, Email Address, Position / Title, Company,
// Address 1, Address 2, City, State, Zip. First and Last are always shown.
class HeaderVisibility {
public:
    static constexpr int kFields = 15;
    static const std::array<const char*, kFields> kCaptions;

    HeaderVisibility(RecordAccess& access, QString listCode);

    // The list's flags as stored; every field shown when none are stored yet.
    void read();
    // Each change is written at once.
    void set(int field, bool shown);
    void all();
    void none();
    void write();

    bool shown(int field) const { return m_flags[std::size_t(field)]; }
    static bool fixed(int field);  // First and Last
    QString text() const;

private:
    RecordAccess& m_access;
    QString m_listCode;
    std::array<bool, kFields> m_flags{};
};

}  // namespace vn
