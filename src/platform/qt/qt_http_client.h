// HttpClient over Qt Network. Each request gets a network manager of its own (so no credentials
// or connections linger between the program's web operations) and is waited for in a local
// event loop that ignores user input, as a blocking call would. The body stays in Qt's socket
// buffer, which is kept small, until the caller reads it.
//
// Needs a QCoreApplication (or a GUI application) to exist.
#pragma once

#include <chrono>
#include <memory>
#include <optional>

#include <QNetworkProxy>

#include "platform/http_client.h"

namespace belvo {

struct QtHttpOptions {
    // No byte (and no status) from the server for this long ends the transfer: a silent server
    // cannot hang the program.
    std::chrono::milliseconds idleTimeout{30'000};
    // The whole request, from sending it to the last byte of the body, ends after this long:
    // a server that drips its answer cannot hold the program for good.
    std::chrono::milliseconds totalTimeout{10 * 60'000};
    int maxRedirects = 10;
    // None: the system's proxy configuration. Tests give QNetworkProxy::NoProxy, or a proxy
    // of their own.
    std::optional<QNetworkProxy> proxy;
};

class QtHttpClient : public HttpClient {
public:
    explicit QtHttpClient(QtHttpOptions options = {});
    std::unique_ptr<HttpResponse> Get(const HttpRequest& request) override;

private:
    QtHttpOptions m_options;
};

}  // namespace belvo
