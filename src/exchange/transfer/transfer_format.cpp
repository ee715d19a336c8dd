#include "exchange/transfer/transfer_format.h"

#include "store/catalogue/slots.h"
#include "store/text/case_conversion.h"
#include "store/text/windows1252.h"

#include <QDir>

namespace vn {

const TransferFormat& transferFormat(TransferKind kind) {
    static const TransferFormat forms{TransferKind::Forms,
                                      "form",
                                      ".vnf",
                                      " - Form Send Transmission",
                                      "Data Forms: ~",
                                      {kListSlot, kFdisSlot, kSelcSlot, kHelpSlot, kTdatSlot},
                                      "Table Number Error! Obtain a new Received Form file."};
    static const TransferFormat data{TransferKind::Data,
                                     "data",
                                     ".vnd",
                                     " - Data Send Transmission",
                                     "Data Lists: ~",
                                     {kHeadSlot, kPag1Slot, kPag2Slot, kPag3Slot, kPag4Slot, kPag5Slot, kPag6Slot, kQueuSlot,
                                      kSinfSlot, kPinfSlot},
                                     "Table Number Error! Obtain a new Received Data file."};
    return kind == TransferKind::Forms ? forms : data;
}

QString transferFileName(TransferKind kind, const QString& ownCode) {
    const TransferFormat& format = transferFormat(kind);
    return LowerCaseText(ownCode + QLatin1String(format.word) + QLatin1String(format.extension));
}

QString transferFilePath(const QString& exchangeFolder, TransferKind kind, const QString& ownCode) {
    return QDir(exchangeFolder).filePath(transferFileName(kind, ownCode));
}

QByteArray foldedListCode(QByteArrayView key) {
    // Three characters, not three bytes: a code may hold a letter outside ASCII.
    qsizetype end = 0;
    for (int characters = 0; characters < kListCodeLength && end < key.size(); ++characters) {
        ++end;
        while (end < key.size() && (static_cast<unsigned char>(key[end]) & 0xC0) == 0x80) ++end;
    }
    QByteArray code = key.first(end).toByteArray();
    for (char& c : code)
        if (c >= 'A' && c <= 'Z') c = char(c + ('a' - 'A'));
    return code;
}

bool startsWithListCode(QByteArrayView key, QByteArrayView foldedCode) {
    if (key.size() < foldedCode.size()) return false;
    for (qsizetype i = 0; i < foldedCode.size(); ++i) {
        char c = key[i];
        if (c >= 'A' && c <= 'Z') c = char(c + ('a' - 'A'));
        if (c != foldedCode[i]) return false;
    }
    if (key.size() == foldedCode.size()) return true;
    // Otherwise the code must be the key's first three characters whole.
    return utf8CharacterCount(foldedCode) == kListCodeLength && (static_cast<unsigned char>(key[foldedCode.size()]) & 0xC0) != 0x80;
}

}  // namespace vn
