// Reading price lists from a web answer as they arrive: the archive reads the body through a
// stream over the answer, so the body is never gathered in memory, and a body longer than a
// price list may be is refused before it is read.
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/price_list_file.h"
#include "foundation/archive.h"
#include "platform/http_client.h"
#include "platform/ui.h"

namespace belvo {

// The most bytes a price list read from the web may have. The largest real price lists are a
// few megabytes; this leaves room for growth and still bounds what a hostile server can make
// the program read.
inline constexpr std::uint64_t kMaxWebPriceListBytes = 64u * 1024u * 1024u;
// The most bytes read for the label alone (the first text of the file).
inline constexpr std::uint64_t kMaxWebLabelBytes = 64u * 1024u;

// Reads the label (CenikId) and the material list from the answer into `into`, which is
// emptied first; `address` names the source in messages. A broken transfer raises its
// HttpError, faulty content an ArchiveError naming the address. After a failure `into` holds
// what was read until then. `progress`, when given, shows how much has arrived after each piece
// read; when the user stops the download there, OperationCancelled is raised.
void ReadPriceListFromWeb(HttpResponse& response, const std::string& address, const ClassRegistry& classes,
                          PriceList& into, Ui* progress = nullptr);

// Reads only the label at the head of the answer; the rest of the body stays unread.
std::string ReadLabelFromWeb(HttpResponse& response, const std::string& address, const ClassRegistry& classes);

}  // namespace belvo
