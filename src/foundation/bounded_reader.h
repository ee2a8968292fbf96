// A buffered reader that delivers at most a given number of bytes of a stream, for loading
// archives: the bound is what lets a loader refuse a length or a count that the rest of the
// file cannot hold before it allocates anything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <istream>
#include <vector>

namespace belvo {

class BoundedReader {
public:
    BoundedReader(std::istream& in, std::uint64_t size);

    // Copies the next `count` bytes to `target`. False when fewer remain (the stream ended
    // early or the bound is reached); what was copied then is unspecified.
    bool Read(void* target, std::size_t count)
    {
        if (count <= m_end - m_pos) {  // the common case: the bytes are in the buffer
            std::memcpy(target, m_buffer.data() + m_pos, count);
            m_pos += count;
            return true;
        }
        return ReadAcross(target, count);
    }

    // Bytes left within the bound. When the stream turns out shorter than the bound, this
    // shrinks to what the stream really held as soon as the reader reaches its end.
    std::uint64_t Remaining() const { return m_limit - Consumed(); }

    // Whether the stream reported a read error (as opposed to simply ending).
    bool StreamFailed() const { return m_failed; }

private:
    std::uint64_t Consumed() const { return m_pulled - (m_end - m_pos); }
    bool ReadAcross(void* target, std::size_t count);
    bool Refill();

    std::istream& m_in;
    std::uint64_t m_limit;
    std::uint64_t m_pulled = 0;  // bytes taken from the stream so far
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_failed = false;
};

}  // namespace belvo
