#include "catalogue/web_stream.h"

#include <algorithm>
#include <exception>
#include <istream>
#include <optional>
#include <streambuf>
#include <vector>

namespace belvo {

namespace {

// A read-only stream buffer over the body of an answer. A failure of the transfer ends the
// stream and is kept, so that the caller can pass on the real cause instead of the archive's
// "end of file".
class ResponseBuffer : public std::streambuf {
public:
    // `progress`, when given, hears of every piece read and may stop the transfer.
    explicit ResponseBuffer(HttpResponse& response, ProgressScope* progress = nullptr)
        : m_response(response), m_progress(progress), m_buffer(16 * 1024)
    {
    }

    std::exception_ptr Failure() const { return m_failure; }

protected:
    int_type underflow() override
    {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        if (m_failure) return traits_type::eof();
        std::size_t got = 0;
        try {
            got = m_response.Read(m_buffer.data(), m_buffer.size());
            m_read += got;
            if (m_progress) m_progress->Report(m_read, m_response.ContentLength().value_or(0));
        } catch (...) {
            m_failure = std::current_exception();
            return traits_type::eof();
        }
        if (got == 0) return traits_type::eof();
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + got);
        return traits_type::to_int_type(*gptr());
    }

private:
    HttpResponse& m_response;
    ProgressScope* m_progress;
    std::uint64_t m_read = 0;
    std::vector<char> m_buffer;
    std::exception_ptr m_failure;
};

// The bytes an archive over the answer may read: the announced length when there is one (a
// longer announcement than `limit` is refused at once), `limit` otherwise.
std::uint64_t ArchiveBound(const HttpResponse& response, const std::string& address, std::uint64_t limit)
{
    const std::optional<std::uint64_t> announced = response.ContentLength();
    if (announced && *announced > limit)
        throw HttpError(HttpError::Stage::Body, "Soubor na adrese " + address + " má " + std::to_string(*announced) +
                                                    " bajtů, víc, než může mít ceník (" + std::to_string(limit) +
                                                    ").");
    return announced ? *announced : limit;
}

// Runs `work` with an archive that reads at most `bound` bytes of the answer.
template <class Work>
void ThroughArchive(HttpResponse& response, const std::string& address, const ClassRegistry& classes,
                    std::uint64_t bound, ProgressScope* progress, Work&& work)
{
    ResponseBuffer buffer(response, progress);
    std::istream in(&buffer);
    try {
        CArchive ar(in, bound, address, classes);
        work(ar);
    } catch (...) {
        if (buffer.Failure()) std::rethrow_exception(buffer.Failure());
        throw;
    }
}

}  // namespace

void ReadPriceListFromWeb(HttpResponse& response, const std::string& address, const ClassRegistry& classes,
                          PriceList& into, Ui* progress)
{
    into.CenikId.clear();
    into.materials.Clear();
    std::optional<ProgressScope> scope;
    if (progress) scope.emplace(*progress, "Stahování ceníku z internetu ...");
    ThroughArchive(response, address, classes, ArchiveBound(response, address, kMaxWebPriceListBytes),
                   scope ? &*scope : nullptr,
                   [&](CArchive& ar) { SerializePriceList(ar, into.CenikId, into.materials); });
}

std::string ReadLabelFromWeb(HttpResponse& response, const std::string& address, const ClassRegistry& classes)
{
    std::string label;
    // Only the label is read, so the bound is the label's and not the whole file's.
    const std::uint64_t bound = std::min(ArchiveBound(response, address, kMaxWebPriceListBytes), kMaxWebLabelBytes);
    ThroughArchive(response, address, classes, bound, nullptr, [&](CArchive& ar) { ar >> label; });
    return label;
}

}  // namespace belvo
