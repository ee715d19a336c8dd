#include "interchange/tables/access/access_password.h"

#include <QFile>

#include <array>
#include <cstring>

namespace vn {

namespace {

// The first page is obscured with RC4 under a fixed key from 0x18 on: 126 bytes in Jet 3, 128
// later. The password lies at 0x42: 20 bytes in Jet 3; 40 (UTF-16) later, each further masked by
// the whole days of the creation date at 0x72 repeated every four bytes.
constexpr qsizetype kObscuredFrom = 0x18;
constexpr qsizetype kPasswordAt = 0x42;
constexpr qsizetype kVersionAt = 0x14;
constexpr qsizetype kCreatedAt = 0x72;

QByteArray rc4(QByteArrayView bytes) {
    static constexpr std::array<quint8, 4> key{0xc7, 0xda, 0x39, 0x6b};
    std::array<quint8, 256> state{};
    for (int i = 0; i < 256; ++i) state[i] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + key[i % key.size()]) & 0xff;
        std::swap(state[i], state[j]);
    }
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype n = 0, i = 0, j = 0; n < bytes.size(); ++n) {
        i = (i + 1) & 0xff;
        j = (j + state[i]) & 0xff;
        std::swap(state[i], state[j]);
        out[n] = char(quint8(bytes[n]) ^ state[(state[i] + state[j]) & 0xff]);
    }
    return out;
}

// The four bytes that mask a later version's password: the creation date's whole days.
std::array<quint8, 4> dateMask(const QByteArray& page) {
    double days = 0;
    std::memcpy(&days, page.constData() + kCreatedAt, sizeof days);
    const qint32 whole = days > -2147483648.0 && days < 2147483648.0 ? qint32(days) : 0;
    const quint32 bits = quint32(whole);
    return {quint8(bits), quint8(bits >> 8), quint8(bits >> 16), quint8(bits >> 24)};
}

}  // namespace

bool accessHasPassword(QByteArrayView head) {
    if (head.size() < kAccessHeadSize) return false;
    const bool jet3 = head[kVersionAt] == 0;
    const qsizetype obscured = jet3 ? 126 : 128;
    const QByteArray page = head.first(kObscuredFrom).toByteArray() + rc4(head.sliced(kObscuredFrom, obscured));
    const std::array<quint8, 4> mask = jet3 ? std::array<quint8, 4>{} : dateMask(page);
    const qsizetype length = jet3 ? 20 : 40;
    for (qsizetype i = 0; i < length; ++i)
        if ((quint8(page[kPasswordAt + i]) ^ mask[i % 4]) != 0) return true;
    return false;
}

bool accessFileHasPassword(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && accessHasPassword(file.read(kAccessHeadSize));
}

}  // namespace vn
