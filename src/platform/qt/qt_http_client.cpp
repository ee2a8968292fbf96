#include "platform/qt/qt_http_client.h"

#include <algorithm>
#include <mutex>

#include <QAuthenticator>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace belvo {

namespace {

// What Qt may hold of a body that nobody has read yet: reading stops at this much until the
// caller takes it, so the body flows through instead of gathering in memory.
constexpr qint64 kSocketBufferBytes = 64 * 1024;

std::string Utf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string Seconds(std::chrono::milliseconds duration)
{
    return std::to_string((duration.count() + 999) / 1000) + " s";
}

bool IsRedirectStatus(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Whether the reply ended because the transfer failed, as opposed to the error that Qt derives
// from a status the server sent (400 gives ProtocolInvalidOperationError, 404
// ContentNotFoundError, 407 a proxy error, and so on). Qt numbers network errors from 1 and
// proxy errors from 101; ProtocolFailure is a broken answer (such as a damaged chunk).
bool TransferFailed(QNetworkReply::NetworkError error, int status)
{
    if (error == QNetworkReply::NoError) return false;
    if (error == QNetworkReply::ProxyAuthenticationRequiredError && status == 407) return false;
    return error < QNetworkReply::ContentAccessDenied || error == QNetworkReply::ProtocolFailure;
}

void UseSystemProxyOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { QNetworkProxyFactory::setUseSystemConfiguration(true); });
}

class QtHttpResponse final : public HttpResponse {
public:
    QtHttpResponse(const QtHttpOptions& options, const HttpRequest& request, const QUrl& url)
        : m_options(options), m_address(request.url), m_maxBody(request.maxBodyBytes),
          m_serverCredentials(request.serverCredentials), m_proxyCredentials(request.proxyCredentials),
          m_manager(std::make_unique<QNetworkAccessManager>())
    {
        if (m_options.proxy)
            m_manager->setProxy(*m_options.proxy);
        else
            UseSystemProxyOnce();

        // A challenge is answered once with the credentials given; a second challenge means they
        // were refused, and the 401 or 407 then comes back to the caller, who asks the user.
        QObject::connect(m_manager.get(), &QNetworkAccessManager::authenticationRequired, m_manager.get(),
                         [this](QNetworkReply*, QAuthenticator* authenticator) {
                             Answer(authenticator, m_serverCredentials, m_serverAnswered);
                         });
        QObject::connect(m_manager.get(), &QNetworkAccessManager::proxyAuthenticationRequired, m_manager.get(),
                         [this](const QNetworkProxy&, QAuthenticator* authenticator) {
                             Answer(authenticator, m_proxyCredentials, m_proxyAnswered);
                         });

        QNetworkRequest networkRequest(url);
        networkRequest.setHeader(QNetworkRequest::UserAgentHeader, QString::fromStdString(request.userAgent));
        networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                    QNetworkRequest::NoLessSafeRedirectPolicy);
        networkRequest.setMaximumRedirectsAllowed(m_options.maxRedirects);
        networkRequest.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        m_started.start();
        m_reply = m_manager->get(networkRequest);
        m_reply->setReadBufferSize(kSocketBufferBytes);
    }

    ~QtHttpResponse() override
    {
        if (m_reply != nullptr && !m_reply->isFinished()) m_reply->abort();
        // The manager deletes the reply with itself.
    }

    QtHttpResponse(const QtHttpResponse&) = delete;
    QtHttpResponse& operator=(const QtHttpResponse&) = delete;

    // Waits until the final status has arrived (redirects that Qt follows are passed by).
    void WaitForStatus()
    {
        for (;;) {
            if (m_reply->isFinished() || m_reply->bytesAvailable() > 0) break;
            const int status = Status();
            if (status > 0 && !IsRedirectStatus(status)) break;
            const Waited waited = Wait();
            if (waited == Waited::Idle)
                Fail(HttpError::Stage::Send, "Server " + m_address + " neodpověděl do " +
                                                 Seconds(m_options.idleTimeout) + ".");
            if (waited == Waited::Deadline)
                Fail(HttpError::Stage::Send, "Server " + m_address + " neodpověděl do " +
                                                 Seconds(m_options.totalTimeout) + ".");
        }
        const int status = Status();
        const QNetworkReply::NetworkError error = m_reply->error();
        // A server that took the request and closed the connection without a status that Qt could
        // read (it sent nothing, or something that is no HTTP) answered unreadably; every other
        // failure before a status means the request never reached a server.
        const bool unreadable = error == QNetworkReply::RemoteHostClosedError ||
                                error == QNetworkReply::ProtocolFailure || error == QNetworkReply::NoError;
        if (status <= 0 && !unreadable)
            Fail(HttpError::Stage::Send, "Spojení se serverem " + m_address + " se nepodařilo: " +
                                             Utf8(m_reply->errorString()));
        if (status <= 0)
            Fail(HttpError::Stage::Status, "Server " + m_address + " neposlal čitelnou odpověď: " +
                                               Utf8(m_reply->errorString()));
        // A redirect that was not followed (to a less safe address, or one too many).
        if (m_reply->isFinished() && IsRedirectStatus(status) && TransferFailed(error, status))
            Fail(HttpError::Stage::Send, "Přesměrování ze serveru " + m_address + " nelze následovat: " +
                                             Utf8(m_reply->errorString()));
        m_status = status;
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        bool ok = false;
        const qlonglong announced = length.toLongLong(&ok);
        if (length.isValid() && ok && announced >= 0) m_contentLength = static_cast<std::uint64_t>(announced);
    }

    int StatusCode() const override { return m_status; }
    std::optional<std::uint64_t> ContentLength() const override { return m_contentLength; }

    std::size_t Read(char* buffer, std::size_t size) override
    {
        if (size == 0) return 0;
        const qint64 wanted = static_cast<qint64>(std::min<std::size_t>(size, 1u << 30));
        for (;;) {
            const qint64 got = m_reply->read(buffer, wanted);
            if (got > 0) {
                m_delivered += static_cast<std::uint64_t>(got);
                if (m_delivered > m_maxBody)
                    Fail(HttpError::Stage::Body, "Odpověď serveru " + m_address + " je delší než " +
                                                     std::to_string(m_maxBody) + " bajtů.");
                return static_cast<std::size_t>(got);
            }
            if (got < 0 && !m_reply->isFinished())
                Fail(HttpError::Stage::Body, "Odpověď serveru " + m_address + " nelze číst: " +
                                                 Utf8(m_reply->errorString()));
            if (m_reply->isFinished()) {
                if (TransferFailed(m_reply->error(), m_status))
                    Fail(HttpError::Stage::Body, "Přenos ze serveru " + m_address + " se přerušil: " +
                                                     Utf8(m_reply->errorString()));
                return 0;
            }
            const Waited waited = Wait();
            if (waited == Waited::Idle)
                Fail(HttpError::Stage::Body, "Server " + m_address + " neposlal žádná data " +
                                                 Seconds(m_options.idleTimeout) + ".");
            if (waited == Waited::Deadline)
                Fail(HttpError::Stage::Body, "Přenos ze serveru " + m_address + " trval déle než " +
                                                 Seconds(m_options.totalTimeout) + ".");
        }
    }

private:
    enum class Waited { Event, Idle, Deadline };

    static void Answer(QAuthenticator* authenticator, const std::optional<Credentials>& credentials, bool& answered)
    {
        if (!credentials || answered) return;
        answered = true;
        authenticator->setUser(QString::fromStdString(credentials->user));
        authenticator->setPassword(QString::fromStdString(credentials->password));
    }

    int Status() const
    {
        const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        return status.isValid() ? status.toInt() : 0;
    }

    // Runs a local event loop until the reply has news, the idle time passes or the request's
    // whole time runs out. User input waits meanwhile, as it would for a blocking call.
    Waited Wait()
    {
        const qint64 left = m_options.totalTimeout.count() - m_started.elapsed();
        if (left <= 0) return Waited::Deadline;
        const bool deadlineFirst = left < m_options.idleTimeout.count();
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        bool timedOut = false;
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        QObject::connect(m_reply, &QNetworkReply::readyRead, &loop, &QEventLoop::quit);
        QObject::connect(m_reply, &QNetworkReply::metaDataChanged, &loop, &QEventLoop::quit);
        QObject::connect(m_reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(deadlineFirst ? left : m_options.idleTimeout.count()));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        if (!timedOut) return Waited::Event;
        return deadlineFirst ? Waited::Deadline : Waited::Idle;
    }

    [[noreturn]] void Fail(HttpError::Stage stage, const std::string& message)
    {
        if (!m_reply->isFinished()) m_reply->abort();
        throw HttpError(stage, message);
    }

    QtHttpOptions m_options;
    std::string m_address;
    std::uint64_t m_maxBody;
    std::optional<Credentials> m_serverCredentials;
    std::optional<Credentials> m_proxyCredentials;
    bool m_serverAnswered = false;
    bool m_proxyAnswered = false;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    QNetworkReply* m_reply = nullptr;
    QElapsedTimer m_started;
    int m_status = 0;
    std::optional<std::uint64_t> m_contentLength;
    std::uint64_t m_delivered = 0;
};

}  // namespace

QtHttpClient::QtHttpClient(QtHttpOptions options) : m_options(std::move(options)) {}

std::unique_ptr<HttpResponse> QtHttpClient::Get(const HttpRequest& request)
{
    if (QCoreApplication::instance() == nullptr)
        throw HttpError(HttpError::Stage::Send, "Přístup na internet potřebuje běžící aplikaci (QCoreApplication).");
    const QUrl url(QString::fromStdString(request.url), QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != "http" && scheme != "https"))
        throw HttpError(HttpError::Stage::Send, "Adresa " + request.url + " není platná adresa http:// ani https://.");
    auto response = std::make_unique<QtHttpResponse>(m_options, request, url);
    response->WaitForStatus();
    return response;
}

}  // namespace belvo
