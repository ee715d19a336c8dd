#pragma once

#include "lists/definitions/definition_keys.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace vn {

// The two exchange files between offices: list definitions (forms) and records (data). A record
// transmission is a data file limited to chosen records.
enum class TransferKind { Forms, Data };

// What tells the two apart: their names, header lines and tables.
struct TransferFormat {
    TransferKind kind;
    const char* word;       // "form" or "data": characters 4 to 7 of the file name
    const char* extension;  // ".vnf" or ".vnd"
    const char* title;      // line 1 after the program version
    const char* listLabel;  // line 3 before the list codes
    QList<int> tableSlots;  // the tables a file carries, in file order
    const char* tableError; // the message for a table the file may not carry
};

const TransferFormat& transferFormat(TransferKind kind);

// "<own code>form.vnf" or "<own code>data.vnd", in lower case.
QString transferFileName(TransferKind kind, const QString& ownCode);
QString transferFilePath(const QString& exchangeFolder, TransferKind kind, const QString& ownCode);

inline constexpr char kDestinationsLabel[] = "Destinations: ~";
inline constexpr int kOfficeCodeLength = 3;
// Longer lines are refused unread: no record of any table comes near it.
inline constexpr qsizetype kLongestTransferLine = 4 * 1024 * 1024;

// A list code as compared "without regard to case": the first three characters of a key, ASCII
// letters in lower case.
QByteArray foldedListCode(QByteArrayView key);
// Whether a key begins with the list code (folded), without regard to case.
bool startsWithListCode(QByteArrayView key, QByteArrayView foldedCode);

}  // namespace vn
