#pragma once

#include <QString>

namespace vn {

// Present only on installations whose base is shared by several workstations.
inline constexpr char kNetworkFlag[] = "CSN.flg";

struct EntryFacts {
    bool baseFound = false;
    bool networkMode = false;      // the network flag is in the base
    bool anotherCopy = false;      // the family guard's finding
    bool openUserPresent = false;  // the open-user flag is in the base
};

enum class EntryVerdict { Proceed, NoBase, AnotherCopy, SharedInUse, FlagNotCreated };

// In local mode the family guard decides; in network mode the open-user flag does.
EntryVerdict decideEntry(const EntryFacts& facts);

// The error shown for a refusal; empty for AnotherCopy, where the guard has already spoken.
// detail names the file and the reason for FlagNotCreated.
QString refusalText(EntryVerdict verdict, const QString& detail = {});

// The program's exit status for a refusal; never 0, which belongs to a normal end.
int exitStatus(EntryVerdict verdict);

// The flag file that marks this run: the open-user flag on a shared base, else ours.
QString runFlagName(bool networkMode);

}  // namespace vn
