// What the engine asks of the web: a plain GET of an address, the status of the answer and its
// body read piece by piece, so that nothing larger than a piece is ever held for the caller.
// The production adapter is platform/qt (Qt Network with the system's proxy settings); tests run
// it against a loopback server.
//
// A server that asks for a user name and password (status 401, or 407 from a proxy) answers
// with that status like any other; the caller asks the user (Ui::AskCredentials) and sends the
// request again with the credentials, which the adapter then gives to the server's or the
// proxy's challenge.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "foundation/errors.h"
#include "platform/ui.h"

namespace belvo {

// A failure of the web layer: no connection, no answer in time, an answer that is no HTTP, a
// transfer that broke off or grew beyond its limit. The message says what happened and where.
class HttpError : public BelvoError {
public:
    enum class Stage {
        Send,    // the request could not be sent: no server, no connection, no answer in time
        Status,  // the server answered, but without a status that could be read
        Body,    // the body broke off, stalled or grew beyond the request's limit
    };
    HttpError(Stage stage, const std::string& message) : BelvoError(message), m_stage(stage) {}
    Stage GetStage() const { return m_stage; }

private:
    Stage m_stage;
};

struct HttpRequest {
    std::string url;        // absolute "http://" or "https://" address
    std::string userAgent;  // the agent name the server sees
    // Given to the server's (401) or the proxy's (407) challenge; none: the challenge stays
    // unanswered and the answer is the 401 or 407 itself.
    std::optional<Credentials> serverCredentials;
    std::optional<Credentials> proxyCredentials;
    // The most body bytes the caller will read; reading beyond raises HttpError (Body).
    std::uint64_t maxBodyBytes = 64u * 1024u * 1024u;
};

// An answer whose status has arrived. Destroying it abandons whatever of the body is unread.
class HttpResponse {
public:
    virtual ~HttpResponse() = default;
    virtual int StatusCode() const = 0;
    // The body length the server announced, when it announced one.
    virtual std::optional<std::uint64_t> ContentLength() const = 0;
    // Reads up to `size` bytes of the body into `buffer` and returns how many; 0 at its end.
    // Waits for the bytes, but not without end: raises HttpError (Body) when the transfer
    // breaks off or stalls, or when the body exceeds the request's maxBodyBytes.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // Sends a GET request, following redirects that are no less safe than the address, and
    // waits for the status of the answer. Raises HttpError (Send or Status) when there is none.
    virtual std::unique_ptr<HttpResponse> Get(const HttpRequest& request) = 0;
};

}  // namespace belvo
