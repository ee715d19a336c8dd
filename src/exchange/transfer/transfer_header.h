#pragma once

#include "exchange/transfer/transfer_format.h"

#include <QByteArray>
#include <QStringList>

namespace vn {

// Lines 1 to 3 of an exchange file: who wrote it, for whom, and which lists it carries.
struct TransferHeader {
    QString firstLine;
    QString version;           // the first six characters of line 1
    QStringList destinations;  // office codes
    QStringList listCodes;
    int badLine = 0;           // 1 to 3 when a line is not what the kind writes there
    QString problem;
};

inline constexpr int kVersionLength = 6;

// The three lines, each closed by CR LF, as UTF-8.
QByteArray transferHeaderLines(TransferKind kind, const QString& version, const QStringList& destinations,
                               const QStringList& listCodes);

// Missing lines are passed empty.
TransferHeader parseTransferHeader(TransferKind kind, const QString& line1, const QString& line2, const QString& line3);

// Whether line 2 names the office (compared without regard to case).
bool isAddressedTo(const TransferHeader& header, const QString& ownCode);

}  // namespace vn
