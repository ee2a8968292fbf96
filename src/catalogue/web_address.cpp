#include "catalogue/web_address.h"

#include <cctype>

namespace belvo {

namespace {

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool HasControlCharacter(std::string_view text)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20u || byte == 0x7Fu) return true;
    }
    return false;
}

// A server name: letters, digits, "-", "." and "_", or any non-ASCII byte (an international
// name, which the platform encodes). An IPv4 address is such a name too.
bool IsHostName(std::string_view host)
{
    if (host.empty()) return false;
    for (const char c : host) {
        const auto byte = static_cast<unsigned char>(c);
        if (!(std::isalnum(byte) || c == '-' || c == '.' || c == '_' || byte >= 0x80u)) return false;
    }
    return true;
}

bool IsIpv6Literal(std::string_view host)
{
    if (host.size() < 3 || host.front() != '[' || host.back() != ']') return false;
    for (const char c : host.substr(1, host.size() - 2))
        if (!(std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.')) return false;
    return true;
}

std::optional<int> ParsePort(std::string_view digits)
{
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    int port = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        port = port * 10 + (c - '0');
    }
    if (port < 1 || port > 65535) return std::nullopt;
    return port;
}

int DefaultPort(std::string_view scheme) { return scheme == "https" ? 443 : 80; }

}  // namespace

std::string WebAddress::Text() const
{
    std::string text = scheme + "://" + host;
    if (port != DefaultPort(scheme)) text += ":" + std::to_string(port);
    return text + path;
}

std::optional<WebAddress> ParseWebAddress(std::string_view address)
{
    if (HasControlCharacter(address)) return std::nullopt;
    const std::size_t separator = address.find("://");
    if (separator == std::string_view::npos) return std::nullopt;
    WebAddress parsed;
    parsed.scheme = Lower(address.substr(0, separator));
    if (parsed.scheme != "http" && parsed.scheme != "https") return std::nullopt;

    const std::string_view rest = address.substr(separator + 3);
    const std::size_t authorityEnd = rest.find_first_of("/?#");
    const std::string_view authority = rest.substr(0, authorityEnd);
    if (authority.find('@') != std::string_view::npos) return std::nullopt;

    // The port follows the last ":" outside the brackets of an IPv6 address.
    const std::size_t bracket = authority.rfind(']');
    const std::size_t colon = authority.rfind(':');
    std::string_view host = authority;
    parsed.port = DefaultPort(parsed.scheme);
    if (colon != std::string_view::npos && (bracket == std::string_view::npos || colon > bracket)) {
        const std::optional<int> port = ParsePort(authority.substr(colon + 1));
        if (!port) return std::nullopt;
        parsed.port = *port;
        host = authority.substr(0, colon);
    }
    if (!IsHostName(host) && !IsIpv6Literal(host)) return std::nullopt;
    parsed.host = Lower(host);

    std::string_view path = authorityEnd == std::string_view::npos ? std::string_view{} : rest.substr(authorityEnd);
    path = path.substr(0, path.find('#'));  // a fragment never goes to the server
    parsed.path = path.empty() || path.front() != '/' ? "/" + std::string(path) : std::string(path);
    return parsed;
}

}  // namespace belvo
