#include "platform/mail/smtp_transport.h"

#include <QFile>
#include <QPointer>
#include <QSysInfo>
#include <QUrl>
#include <curl/curl.h>
#include <mutex>

namespace vn {

namespace {

constexpr long kConnectSeconds = 30;
constexpr long kLowSpeedBytes = 10;   // a transfer slower than this ...
constexpr long kLowSpeedSeconds = 60;  // ... for this long has stalled
constexpr int kImplicitTlsPort = 465;

void initialiseCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// What curl reads: the header lines, then the body file.
struct Upload {
    QByteArray headers;
    qsizetype sent = 0;
    QFile body;
};

size_t readUpload(char* buffer, size_t size, size_t count, void* data) {
    auto* upload = static_cast<Upload*>(data);
    const qsizetype room = qsizetype(size * count);
    if (upload->sent < upload->headers.size()) {
        const qsizetype n = std::min(room, upload->headers.size() - upload->sent);
        memcpy(buffer, upload->headers.constData() + upload->sent, size_t(n));
        upload->sent += n;
        return size_t(n);
    }
    const qint64 n = upload->body.read(buffer, room);
    return n < 0 ? CURL_READFUNC_ABORT : size_t(n);
}

// Keeps the server's last reply line.
int keepReply(CURL*, curl_infotype type, char* data, size_t size, void* reply) {
    if (type == CURLINFO_HEADER_IN)
        *static_cast<QString*>(reply) = QString::fromUtf8(data, qsizetype(size)).trimmed();
    return 0;
}

int checkStop(void* stop, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const std::atomic<bool>*>(stop)->load() ? 1 : 0;
}

MailOutcome outcomeOf(CURLcode code, const char* error, const QString& reply, bool stopped) {
    if (code == CURLE_OK) return {MailOutcome::Kind::Sent, reply};
    if (stopped) return {MailOutcome::Kind::Stopped, QStringLiteral("Stopped.")};
    const QString reason = *error ? QString::fromUtf8(error) : QString::fromUtf8(curl_easy_strerror(code));
    const QString text = reply.isEmpty() ? reason : reason + QStringLiteral(" (") + reply + u')';
    const bool refused = QString::fromUtf8(error).startsWith(QLatin1String("RCPT failed"));
    return {refused ? MailOutcome::Kind::RecipientRefused : MailOutcome::Kind::Failed, text};
}

}  // namespace

QString smtpUrl(const SmtpAccount& account) {
    QUrl url(QStringLiteral("smtp://") + account.server.trimmed());
    const bool implicitTls = url.port() == kImplicitTlsPort;
    if (implicitTls) url.setScheme(QStringLiteral("smtps"));
    const QString greeting = account.domain.trimmed().isEmpty() ? QSysInfo::machineHostName() : account.domain.trimmed();
    url.setPath(u'/' + greeting);
    return url.toString(QUrl::FullyEncoded);
}

MailOutcome sendOverSmtp(const MailEnvelope& envelope, const std::atomic<bool>& stop) {
    initialiseCurl();
    Upload upload;
    upload.headers = envelope.headers;
    upload.body.setFileName(envelope.bodyFile);
    if (!upload.body.open(QIODevice::ReadOnly))
        return {MailOutcome::Kind::Failed, QStringLiteral("The message cannot be read: %1").arg(upload.body.errorString())};
    CURL* curl = curl_easy_init();
    if (!curl) return {MailOutcome::Kind::Failed, QStringLiteral("The mail transfer could not be started.")};
    char error[CURL_ERROR_SIZE] = {};
    QString reply;
    const QByteArray url = smtpUrl(envelope.account).toUtf8();
    const QByteArray from = '<' + envelope.from.toUtf8() + '>';
    const QByteArray to = '<' + envelope.to.toUtf8() + '>';
    const QByteArray user = envelope.account.user.toUtf8(), password = envelope.account.password.toUtf8();
    curl_slist* recipients = curl_slist_append(nullptr, to.constData());
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    if (!password.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, kLowSpeedBytes);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kLowSpeedSeconds);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);  // hands the server's replies to keepReply
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, keepReply);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &reply);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, checkStop);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &stop);
    const CURLcode code = curl_easy_perform(curl);
    curl_slist_free_all(recipients);
    curl_easy_cleanup(curl);
    return outcomeOf(code, error, reply, stop.load());
}

SmtpTransport::SmtpTransport() { initialiseCurl(); }

SmtpTransport::~SmtpTransport() {
    stop();
    join();
}

void SmtpTransport::send(const MailEnvelope& envelope, Done done) {
    join();  // one transfer at a time
    m_stop = std::make_shared<std::atomic<bool>>(false);
    QPointer<QObject> self(this);
    m_worker = std::thread([envelope, done = std::move(done), stop = m_stop, self] {
        const MailOutcome outcome = sendOverSmtp(envelope, *stop);
        if (self) QMetaObject::invokeMethod(self, [done, outcome] { done(outcome); }, Qt::QueuedConnection);
    });
}

void SmtpTransport::stop() {
    if (m_stop) m_stop->store(true);
}

void SmtpTransport::join() {
    if (m_worker.joinable()) m_worker.join();
}

}  // namespace vn
