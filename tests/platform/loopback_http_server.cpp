#include "platform/loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <stdexcept>

namespace belvo::test {

namespace {

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Sends all bytes; false when the peer went away.
bool SendAll(int socket, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

// Reads the request head (up to the empty line); empty when the client sent none in time.
std::string ReadHead(int socket)
{
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 64 * 1024) {
        pollfd fd{socket, POLLIN, 0};
        if (::poll(&fd, 1, 5000) <= 0) return {};
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) return {};
        head.append(buffer, static_cast<std::size_t>(got));
    }
    return head;
}

LoopbackRequest ParseHead(const std::string& head)
{
    LoopbackRequest request;
    std::size_t lineEnd = head.find("\r\n");
    const std::string requestLine = head.substr(0, lineEnd);
    const std::size_t firstSpace = requestLine.find(' ');
    const std::size_t secondSpace = requestLine.find(' ', firstSpace + 1);
    request.method = requestLine.substr(0, firstSpace);
    request.target = requestLine.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    std::size_t pos = lineEnd + 2;
    while (pos < head.size()) {
        lineEnd = head.find("\r\n", pos);
        if (lineEnd == std::string::npos || lineEnd == pos) break;
        const std::string line = head.substr(pos, lineEnd - pos);
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos) {
            std::size_t valueStart = colon + 1;
            while (valueStart < line.size() && line[valueStart] == ' ') ++valueStart;
            request.headers.emplace_back(line.substr(0, colon), line.substr(valueStart));
        }
        pos = lineEnd + 2;
    }
    return request;
}

std::string StatusHead(const LoopbackAnswer& answer, std::size_t contentLength)
{
    std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " " + answer.reason + "\r\n";
    bool hasLength = false;
    for (const auto& [name, value] : answer.headers) {
        head += name + ": " + value + "\r\n";
        hasLength = hasLength || SameName(name, "Content-Length");
    }
    if (!hasLength) head += "Content-Length: " + std::to_string(contentLength) + "\r\n";
    head += "Connection: close\r\n\r\n";
    return head;
}

}  // namespace

std::string LoopbackRequest::Header(std::string_view name) const
{
    for (const auto& [key, value] : headers)
        if (SameName(key, name)) return value;
    return {};
}

LoopbackAnswer LoopbackAnswer::Ok(std::string body)
{
    LoopbackAnswer answer;
    answer.body = std::move(body);
    return answer;
}

LoopbackAnswer LoopbackAnswer::Status(int status, std::string reason, std::string body)
{
    LoopbackAnswer answer;
    answer.status = status;
    answer.reason = std::move(reason);
    answer.body = std::move(body);
    return answer;
}

LoopbackHttpServer::LoopbackHttpServer(Handler handler) : m_handler(std::move(handler))
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    if (m_listener < 0) throw std::runtime_error("loopback server: no socket");
    const int yes = 1;
    ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listener, 16) != 0) {
        ::close(m_listener);
        throw std::runtime_error("loopback server: cannot listen");
    }
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Run(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_stop = true;
    m_thread.join();
    for (const int connection : m_held) ::close(connection);
    ::close(m_listener);
}

std::string LoopbackHttpServer::Url(std::string_view path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + std::string(path);
}

std::vector<LoopbackRequest> LoopbackHttpServer::Requests() const
{
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

void LoopbackHttpServer::Run()
{
    while (!m_stop) {
        pollfd fd{m_listener, POLLIN, 0};
        if (::poll(&fd, 1, 20) <= 0) continue;
        const int connection = ::accept(m_listener, nullptr, nullptr);
        if (connection >= 0) Serve(connection);
    }
}

void LoopbackHttpServer::Serve(int connection)
{
    const std::string head = ReadHead(connection);
    if (head.empty()) {
        ::close(connection);
        return;
    }
    const LoopbackRequest request = ParseHead(head);
    LoopbackAnswer answer;
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
    }
    answer = m_handler(request);

    using Behaviour = LoopbackAnswer::Behaviour;
    bool hold = false;
    switch (answer.behaviour) {
    case Behaviour::Normal: {
        if (!SendAll(connection, StatusHead(answer, answer.body.size() * answer.repeat))) break;
        for (std::size_t i = 0; i < answer.repeat && !m_stop; ++i)
            if (!SendAll(connection, answer.body)) break;
        break;
    }
    case Behaviour::Silent:
        hold = true;
        break;
    case Behaviour::StallInBody:
    case Behaviour::CutInBody:
        SendAll(connection, StatusHead(answer, answer.body.size()));
        SendAll(connection, std::string_view(answer.body).substr(0, answer.cutAfter));
        hold = answer.behaviour == Behaviour::StallInBody;
        break;
    case Behaviour::RawBytes:
        SendAll(connection, answer.body);
        break;
    }
    if (hold) {
        m_held.push_back(connection);
    } else {
        ::shutdown(connection, SHUT_WR);
        ::close(connection);
    }
}

std::string BasicAuthorization(std::string_view user, std::string_view password)
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    const std::string plain = std::string(user) + ":" + std::string(password);
    std::string encoded;
    for (std::size_t i = 0; i < plain.size(); i += 3) {
        const std::size_t left = plain.size() - i;
        const unsigned b0 = static_cast<unsigned char>(plain[i]);
        const unsigned b1 = left > 1 ? static_cast<unsigned char>(plain[i + 1]) : 0u;
        const unsigned b2 = left > 2 ? static_cast<unsigned char>(plain[i + 2]) : 0u;
        const unsigned triple = (b0 << 16) | (b1 << 8) | b2;
        encoded += kAlphabet[(triple >> 18) & 63];
        encoded += kAlphabet[(triple >> 12) & 63];
        encoded += left > 1 ? kAlphabet[(triple >> 6) & 63] : '=';
        encoded += left > 2 ? kAlphabet[triple & 63] : '=';
    }
    return "Basic " + encoded;
}

}  // namespace belvo::test
