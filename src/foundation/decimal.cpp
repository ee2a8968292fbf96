#include "foundation/decimal.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "foundation/errors.h"

namespace belvo {

namespace {

constexpr int kMaxScale = std::numeric_limits<std::uint8_t>::max();

std::int64_t CheckedMul(std::int64_t a, std::int64_t b)
{
    std::int64_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw CSeException::Overflow();
    return r;
}

std::int64_t CheckedAdd(std::int64_t a, std::int64_t b)
{
    std::int64_t r;
    if (__builtin_add_overflow(a, b, &r)) throw CSeException::Overflow();
    return r;
}

std::int64_t CheckedSub(std::int64_t a, std::int64_t b)
{
    std::int64_t r;
    if (__builtin_sub_overflow(a, b, &r)) throw CSeException::Overflow();
    return r;
}

// mantissa * 10^steps, refusing to overflow.
std::int64_t ScaleUp(std::int64_t mantissa, int steps)
{
    for (int i = 0; i < steps && mantissa != 0; ++i) mantissa = CheckedMul(mantissa, 10);
    return mantissa;
}

std::uint64_t Magnitude(std::int64_t m)
{
    return m < 0 ? 0 - static_cast<std::uint64_t>(m) : static_cast<std::uint64_t>(m);
}

int TrueDigitOrder(std::uint64_t magnitude)
{
    int order = 0;
    while (magnitude >= 10) {
        magnitude /= 10;
        ++order;
    }
    return order;
}

// Decodes the UTF-8 character at text[pos]; returns its length in bytes (1 for a stray byte).
std::size_t CharLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    if (pos + length > text.size()) length = 1;
    return length;
}

// The first character of a separator text (the locale may give more than one).
std::string_view FirstChar(const std::string& separator)
{
    if (separator.empty()) return {};
    return std::string_view(separator).substr(0, CharLength(separator, 0));
}

std::size_t CountChars(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) ++count;
    return count;
}

}  // namespace

CCislo::CCislo(std::int64_t mantissa, int scale) : m_mantissa(mantissa), m_null(false)
{
    if (scale < 0 || scale > kMaxScale) throw CSeException::Overflow();
    m_scale = static_cast<std::uint8_t>(scale);
}

CCislo CCislo::FromRaw(std::int64_t mantissa, std::uint8_t scale, bool null)
{
    CCislo c;
    if (!null) {
        c.m_mantissa = mantissa;
        c.m_scale = scale;
        c.m_null = false;
    }
    return c;
}

void CCislo::SetNull()
{
    m_mantissa = 0;
    m_scale = 0;
    m_null = true;
}

CCislo& CCislo::operator+=(const CCislo& other)
{
    const int scale = std::max<int>(m_scale, other.m_scale);
    m_mantissa = CheckedAdd(ScaleUp(m_mantissa, scale - m_scale), ScaleUp(other.m_mantissa, scale - other.m_scale));
    m_scale = static_cast<std::uint8_t>(scale);
    m_null = false;
    return *this;
}

CCislo& CCislo::operator-=(const CCislo& other)
{
    const int scale = std::max<int>(m_scale, other.m_scale);
    m_mantissa = CheckedSub(ScaleUp(m_mantissa, scale - m_scale), ScaleUp(other.m_mantissa, scale - other.m_scale));
    m_scale = static_cast<std::uint8_t>(scale);
    m_null = false;
    return *this;
}

CCislo& CCislo::operator*=(const CCislo& other)
{
    const int target = std::max<int>(m_scale, other.m_scale);
    CCislo a = *this;
    CCislo b = other;
    a.Normalize(0);
    b.Normalize(0);
    const int scale = a.m_scale + b.m_scale;
    if (scale > kMaxScale) throw CSeException::Overflow();
    m_mantissa = CheckedMul(a.m_mantissa, b.m_mantissa);
    m_scale = static_cast<std::uint8_t>(scale);
    m_null = false;
    if (scale > target)
        Normalize(target);  // strips trailing zeros only, never a significant digit
    else
        SetScale(target, false);
    return *this;
}

CCislo& CCislo::operator/=(const CCislo& other)
{
    CCislo divisor = other;
    divisor.Normalize(0);
    if (divisor.m_mantissa == 0) throw CSeException::DivideByZero();
    const std::int64_t dividend = ScaleUp(m_mantissa, divisor.m_scale);
    if (dividend == std::numeric_limits<std::int64_t>::min() && divisor.m_mantissa == -1)
        throw CSeException::Overflow();
    m_mantissa = dividend / divisor.m_mantissa;
    m_null = false;
    return *this;
}

CCislo& CCislo::operator%=(const CCislo& other)
{
    CCislo divisor = other;
    divisor.Normalize(0);
    if (divisor.m_mantissa == 0) throw CSeException::DivideByZero();
    const std::int64_t dividend = ScaleUp(m_mantissa, divisor.m_scale);
    m_mantissa = divisor.m_mantissa == -1 ? 0 : dividend % divisor.m_mantissa;
    m_null = false;
    return *this;
}

CCislo CCislo::operator-() const
{
    CCislo r = *this;
    r.m_mantissa = CheckedSub(0, m_mantissa);
    return r;
}

int CCislo::Compare(const CCislo& a, const CCislo& b)
{
    const int sa = a.Sign();
    const int sb = b.Sign();
    if (sa != sb) return sa > sb ? 1 : -1;
    if (sa == 0) return 0;
    // The exponent of the leading digit decides first. The true digit order is used here (not
    // the capped DigitOrder), so that mantissas of 18 and 19 digits still compare correctly.
    const int ea = TrueDigitOrder(Magnitude(a.m_mantissa)) - a.m_scale;
    const int eb = TrueDigitOrder(Magnitude(b.m_mantissa)) - b.m_scale;
    if (ea != eb) return (ea > eb ? 1 : -1) * sa;
    // Equal exponents: the scales differ by at most 18, so 128 bits hold the rescaled mantissas.
    __int128 ma = a.m_mantissa;
    __int128 mb = b.m_mantissa;
    for (int i = a.m_scale; i < b.m_scale; ++i) ma *= 10;
    for (int i = b.m_scale; i < a.m_scale; ++i) mb *= 10;
    return (ma > mb) - (ma < mb);
}

int CCislo::DigitOrder() const
{
    const int order = TrueDigitOrder(Magnitude(m_mantissa));
    return order > 17 ? 17 : order;
}

CCislo& CCislo::SetScale(int scale, bool round)
{
    if (scale < 0 || scale > kMaxScale) throw CSeException::Overflow();
    if (scale >= m_scale) {
        m_mantissa = ScaleUp(m_mantissa, scale - m_scale);
    } else {
        const bool negative = m_mantissa < 0;
        std::uint64_t kept = Magnitude(m_mantissa);
        unsigned d = 0;  // most significant dropped digit
        unsigned e = 0;  // the dropped digit just below it
        const int drop = m_scale - scale;
        for (int i = 0; i < drop; ++i) {
            e = d;
            d = static_cast<unsigned>(kept % 10);
            kept /= 10;
        }
        if (drop < 2) e = 0;
        if (round && (d > 5 || (d == 5 && e > 0) || (d == 5 && e == 0 && kept % 2 == 1))) ++kept;
        m_mantissa = negative ? -static_cast<std::int64_t>(kept) : static_cast<std::int64_t>(kept);
    }
    m_scale = static_cast<std::uint8_t>(scale);
    return *this;
}

CCislo& CCislo::Normalize(int minScale)
{
    if (m_scale < minScale) return SetScale(minScale, false);
    while (m_scale > minScale && m_mantissa % 10 == 0) {
        m_mantissa /= 10;
        --m_scale;
    }
    return *this;
}

NumberKey KeyOf(CCislo value)
{
    value.Normalize(0);
    return {value.Mantissa(), value.Scale()};
}

std::int64_t CCislo::RoundToInteger() const
{
    if (m_scale == 0) return m_mantissa;
    std::int64_t m = m_mantissa;
    for (int i = 0; i + 1 < m_scale; ++i) m /= 10;
    const std::int64_t d = m % 10;
    m /= 10;
    if (m_mantissa < 0) return m;  // meant for non-negative values: a negative fraction is dropped
    if (d > 5 || (d == 5 && m % 2 == 1)) ++m;
    return m;
}

double CCislo::ToDouble() const
{
    double value = static_cast<double>(m_mantissa);
    for (int i = 0; i < m_scale; ++i) value /= 10.0;
    return value;
}

CCislo CCislo::Fraction() const
{
    if (m_scale == 0) return CCislo(0, 0);
    std::int64_t unit = 1;
    for (int i = 0; i < m_scale && unit <= std::numeric_limits<std::int64_t>::max() / 10; ++i) unit *= 10;
    CCislo r = *this;
    r.m_mantissa = m_scale > 18 ? m_mantissa : m_mantissa % unit;
    r.m_null = false;
    return r;
}

CCislo CCislo::Parse(std::string_view text, const Separators& separators, int flags, std::size_t* stop)
{
    const std::string_view decimal = (flags & kPoint) ? std::string_view(".") : FirstChar(separators.decimal);
    const std::string_view thousands = FirstChar(separators.thousands);

    CCislo result;
    int budget = 18;
    bool started = false;
    bool separatorSeen = false;
    bool negative = false;
    std::size_t pos = 0;
    while (budget > 0 && pos < text.size()) {
        const std::size_t length = CharLength(text, pos);
        const std::string_view ch = text.substr(pos, length);
        const char c = text[pos];
        if (length == 1 && c >= '0' && c <= '9') {
            started = true;
            result.m_null = false;
            result.m_mantissa = result.m_mantissa * 10 + (c - '0');
            if (separatorSeen) ++result.m_scale;
            --budget;
        } else if (!decimal.empty() && ch == decimal) {
            if (separatorSeen) break;
            separatorSeen = true;
        } else if (length == 1 && c == '-') {
            started = true;
            if (!separatorSeen) negative = true;
        } else if ((length == 1 && c == ' ') || (!thousands.empty() && ch == thousands)) {
            // skipped
        } else if (started) {
            break;
        }
        pos += length;
    }
    if (stop) *stop = pos;
    if (budget == 0 && !separatorSeen) return CCislo();
    if (negative) result.m_mantissa = -result.m_mantissa;
    return result;
}

std::string CCislo::Format(const Separators& separators, int flags, int decimals, int width, char fill) const
{
    if ((flags & kEmptyNull) && m_null) return {};
    const std::string decimal = (flags & kPoint) ? std::string(".") : std::string(FirstChar(separators.decimal));
    const std::string thousands(FirstChar(separators.thousands));

    CCislo shown = *this;
    if (decimals != kOwnScale && decimals != 255) shown.SetScale(decimals, true);

    std::string digits = std::to_string(Magnitude(shown.m_mantissa));
    const std::size_t scale = shown.m_scale;
    if (digits.size() < scale + 1) digits.insert(0, scale + 1 - digits.size(), '0');
    std::string integerPart = digits.substr(0, digits.size() - scale);
    const std::string fractionPart = digits.substr(digits.size() - scale);

    if (flags & kGroupThousands) {
        std::string grouped;
        const std::size_t n = integerPart.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0) grouped += thousands;
            grouped += integerPart[i];
        }
        integerPart = std::move(grouped);
    }

    std::string text;
    if (m_mantissa < 0)
        text = "-";
    else if (flags & kPlusSign)
        text = "+";
    text += integerPart;
    if (scale > 0) text += decimal + fractionPart;

    if (!(flags & kNoWidth) && width >= 0) {
        const std::size_t length = CountChars(text);
        const auto w = static_cast<std::size_t>(width);
        if (length > w)
            text.assign(w, '#');
        else
            text.insert(0, w - length, fill);
    }
    return text;
}

}  // namespace belvo
