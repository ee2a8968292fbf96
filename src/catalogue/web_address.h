// Web addresses of price lists, as the settings hold them ("CenikUrl"): split into scheme,
// server, port and path before anything is sent, so that a mistyped address is refused with a
// message instead of reaching the network.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace belvo {

struct WebAddress {
    std::string scheme;  // "http" or "https", in lower case
    std::string host;    // a name, an IPv4 address or an IPv6 address in brackets
    int port = 0;        // the scheme's own port when the address names none
    std::string path;    // from the first "/" on, with any query; "/" when the address has none

    // The address in full: scheme, "://", host, ":" and port when it is not the scheme's own,
    // and the path.
    std::string Text() const;
};

// Splits an absolute "http://" or "https://" address (scheme in any letter case). None when the
// text is no such address: another scheme or none, no server, a user name in the address, a
// port that is no number from 1 to 65535, or a control character anywhere.
std::optional<WebAddress> ParseWebAddress(std::string_view address);

}  // namespace belvo
