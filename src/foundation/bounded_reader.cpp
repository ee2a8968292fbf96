#include "foundation/bounded_reader.h"

#include <algorithm>
#include <cstring>
#include <ios>

namespace belvo {

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}

BoundedReader::BoundedReader(std::istream& in, std::uint64_t size) : m_in(in), m_limit(size) {}

bool BoundedReader::ReadAcross(void* target, std::size_t count)
{
    if (count > Remaining()) return false;
    auto* out = static_cast<char*>(target);
    while (count > 0) {
        if (m_pos == m_end && !Refill()) return false;
        const std::size_t chunk = std::min(count, m_end - m_pos);
        std::memcpy(out, m_buffer.data() + m_pos, chunk);
        m_pos += chunk;
        out += chunk;
        count -= chunk;
    }
    return true;
}

bool BoundedReader::Refill()
{
    const std::uint64_t left = m_limit - m_pulled;
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kBufferSize, left));
    if (wanted == 0) return false;
    if (m_buffer.size() < wanted) m_buffer.resize(wanted);

    std::size_t got = 0;
    try {
        m_in.read(m_buffer.data(), static_cast<std::streamsize>(wanted));
        got = static_cast<std::size_t>(m_in.gcount());
        if (m_in.bad()) m_failed = true;
    } catch (const std::ios_base::failure&) {
        got = static_cast<std::size_t>(m_in.gcount());
        m_failed = m_failed || m_in.bad();
    }
    m_pulled += got;
    m_pos = 0;
    m_end = got;
    if (got < wanted) m_limit = m_pulled;  // the stream held less than the bound promised
    return got > 0;
}

}  // namespace belvo
