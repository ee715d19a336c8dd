#include "platform/mail/mail_composer.h"
#include "support/temp_folder.h"
#include "mime_reading.h"

#include <QBuffer>
#include <QFile>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace vn {
namespace {

struct ComposeCase {
    const char* name;
    QString subject;
    QString text;
    QString fileName;  // empty: no attachment
    QByteArray fileBytes;
    QByteArray expectedType;
};

QByteArray binaryBytes() {
    QByteArray bytes;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b) bytes += char(b);
    return bytes;
}

const QList<ComposeCase> kComposeCases{
    {"plain", "Meeting", "See you on Monday.", {}, {}, {}},
    {"non-ASCII", QStringLiteral("Grüße – Café ✓ 𝄞"), QStringLiteral("Liebe Grüße,\nJosé 𝄞"), {}, {}, {}},
    {"dot and From lines", "Lines", ".\nFrom the office\n.. two\nFrom", {}, {}, {}},
    {"long lines", QString(120, u'S'), QString(300, u'x') + "\n" + QString("word ").repeated(60) + "\n" + QString(100, u'=') + QString(100, QChar(0xE9)), {}, {}, {}},
    {"every line end", "Ends", "a\nb\rc\r\nd\n\nend   \ttab\t", {}, {}, {}},
    {"subject with a line break", "Two\r\nBcc: x@y.org", "text", {}, {}, {}},
    {"attachment", "Report", "Attached.", "report.pdf", "%PDF-1.4 not really", "application/pdf"},
    {"empty file", "Empty", "Nothing in it.", "empty.xyz", {}, "application/octet-stream"},
    {"binary file", "Binary", "Bytes.", "data.bin", binaryBytes(), {}},
    {"non-ASCII file name", "Name", "x", QStringLiteral("Résumé ü.txt"), "hello", "text/plain"},
    {"quotes in the file name", "Quote", "x", "say \"hi\".txt", "hi", "text/plain"},
    {"long file name", "Long", "x", QString(40, QChar(0xE9)) + QString(50, u'n') + ".pdf", "x", "application/pdf"},
};

std::string str(const QByteArray& bytes) { return bytes.toStdString(); }

MailStamp fixedStamp() {
    return {QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7), QTimeZone(3600)), "abc123@example.org", "=_Varnedo_test"};
}

class MailComposerTest : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(MailComposerTest, ARecipientReadsWhatWasComposed) {
    const ComposeCase& c = GetParam();
    test::TempFolder folder;
    MailMessage message{"office@example.org", "member@example.net", c.subject, c.text, {}};
    if (!c.fileName.isEmpty()) {
        message.attachmentPath = folder.path() + u'/' + c.fileName;
        QFile file(message.attachmentPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.fileBytes);
    }
    QBuffer body;
    body.open(QIODevice::WriteOnly);
    ASSERT_EQ(composeBody(message, fixedStamp(), body), QString());
    const QByteArray bytes = composeHeaders(message, fixedStamp()) + body.data();

    for (const QByteArray& line : bytes.split('\n')) {
        EXPECT_LE(line.size(), 77) << GetParam().name << ": " << line.constData();  // 76 and the CR
        EXPECT_FALSE(line.startsWith('.') || line.startsWith("From ")) << line.constData();
    }
    const test::ReadMessage read = test::readMessage(bytes);
    const auto& h = read.top.headers;
    EXPECT_EQ(str(h.value("date")), "Thu, 10 Dec 2026 09:05:07 +0100");
    EXPECT_EQ(str(h.value("from")), "office@example.org");
    EXPECT_EQ(str(h.value("to")), "member@example.net");
    EXPECT_EQ(str(h.value("message-id")), "<abc123@example.org>");
    EXPECT_EQ(str(h.value("mime-version")), "1.0");
    EXPECT_FALSE(h.contains("cc") || h.contains("bcc"));
    QString subject = c.subject;
    EXPECT_EQ(test::decodeHeader(h.value("subject")).toStdString(), subject.replace(u'\r', u' ').replace(u'\n', u' ').toStdString());

    const test::MimePart text = c.fileName.isEmpty() ? read.top : read.parts.value(0);
    EXPECT_EQ(str(text.headers.value("content-type")), "text/plain; charset=UTF-8");
    QString expectedText = c.text;
    expectedText.replace("\r\n", "\n").replace(u'\r', u'\n').replace("\n", "\r\n");
    EXPECT_EQ(str(test::decodeQuotedPrintable(text.body)), (expectedText + "\r\n").toStdString());
    if (c.fileName.isEmpty()) {
        EXPECT_TRUE(read.parts.isEmpty());
        return;
    }
    EXPECT_EQ(str(read.preamble),
              "This message is in MIME format. Since your mail reader does not\r\n"
              "understand this format, some or all of this message may not be legible.\r\n");
    ASSERT_EQ(read.parts.size(), 2);
    const test::MimePart& file = read.parts[1];
    EXPECT_EQ(str(QByteArray::fromBase64(file.body)), str(c.fileBytes));
    EXPECT_EQ(test::headerParameter(file.headers.value("content-disposition"), "filename").toStdString(), c.fileName.toStdString());
    if (!c.expectedType.isEmpty()) EXPECT_TRUE(file.headers.value("content-type").startsWith(c.expectedType + ';'));
}

INSTANTIATE_TEST_SUITE_P(Cases, MailComposerTest, ::testing::ValuesIn(kComposeCases),
                         [](const auto& info) { return QString::fromLatin1(info.param.name).replace(u' ', u'_').replace(u'-', u'_').toStdString(); });

TEST(MailComposer, AMissingAttachmentIsNamed) {
    MailMessage message{"a@b.org", "c@d.org", "s", "t", "/no/such/file.pdf"};
    QBuffer body;
    body.open(QIODevice::WriteOnly);
    EXPECT_TRUE(composeBody(message, fixedStamp(), body).contains("/no/such/file.pdf"));
}

TEST(MailComposer, FreshStampsDiffer) {
    const MailStamp a = freshMailStamp("office@example.org"), b = freshMailStamp("office@example.org");
    EXPECT_NE(a.messageId, b.messageId);
    EXPECT_NE(a.boundary, b.boundary);
    EXPECT_TRUE(a.messageId.endsWith("@example.org"));
}

TEST(MailAddress, OnlyOneAddrSpecIsARecipient) {
    const std::pair<const char*, bool> cases[] = {
        {"member@example.org", true},
        {"first.last+tag@mail.example.co.uk", true},
        {"", false},
        {"member", false},
        {"@example.org", false},
        {"member@", false},
        {"a@x.org, c@x.org", false},
        {"a@x.org\r\nBcc: c@x.org", false},
        {"a@x.org\nc@x.org", false},
        {"Ann <a@x.org>", false},
        {"a@x.org;c@x.org", false},
        {"a@b@x.org", false},
        {"a@x..org", false},
        {"\"a\"@x.org", false},
    };
    for (const auto& [address, accepted] : cases) EXPECT_EQ(isSingleAddress(QString::fromUtf8(address)), accepted) << address;
}

}  // namespace
}  // namespace vn
