// A small HTTP/1.1 server on 127.0.0.1 for the web tests: it runs on a thread of its own inside
// the test, answers each request from a handler the test gives, and records what it was asked.
// Every answer closes its connection. Besides ordinary answers it can misbehave as the tests
// need: say nothing at all, stop in the middle of a body, or send a body far longer than asked.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace belvo::test {

struct LoopbackRequest {
    std::string method;
    std::string target;  // as in the request line: a path, or an absolute address through a proxy
    std::vector<std::pair<std::string, std::string>> headers;

    // The value of a header (name compared without case); empty when it is missing.
    std::string Header(std::string_view name) const;
};

struct LoopbackAnswer {
    enum class Behaviour {
        Normal,        // status line, headers, the whole body
        Silent,        // reads the request and never answers (the connection stays open)
        StallInBody,   // headers and the first `cutAfter` bytes of the body, then silence
        CutInBody,     // headers and the first `cutAfter` bytes of the body, then the connection closes
        RawBytes,      // `body` is sent as it is, with no status line or headers of its own
    };
    int status = 200;
    std::string reason = "OK";
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    Behaviour behaviour = Behaviour::Normal;
    std::size_t cutAfter = 0;
    // Normal answers: the body is sent this many times over (a long body without holding it).
    std::size_t repeat = 1;

    static LoopbackAnswer Ok(std::string body);
    static LoopbackAnswer Status(int status, std::string reason, std::string body = {});
};

class LoopbackHttpServer {
public:
    using Handler = std::function<LoopbackAnswer(const LoopbackRequest&)>;

    explicit LoopbackHttpServer(Handler handler);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    int Port() const { return m_port; }
    // "http://127.0.0.1:PORT" followed by the path.
    std::string Url(std::string_view path) const;
    std::vector<LoopbackRequest> Requests() const;

private:
    void Run();
    void Serve(int connection);

    Handler m_handler;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::vector<LoopbackRequest> m_requests;
    std::vector<int> m_held;  // connections of silent and stalled answers, closed at the end
};

// "user:password" in the form of a Basic authorization header value.
std::string BasicAuthorization(std::string_view user, std::string_view password);

}  // namespace belvo::test
