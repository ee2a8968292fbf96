// CCislo: the exact decimal number in which every dimension, count, price and percentage is
// held. A signed 64-bit mantissa, a scale (decimal places) and a null flag for a value that
// was never given.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace belvo {

// The locale's separators, supplied by the caller (SystemInfo in production). Each is one
// character in UTF-8, possibly of several bytes (a no-break space as thousands separator).
struct Separators {
    std::string decimal = ",";
    std::string thousands = " ";
};

class CCislo {
public:
    // Flags of Format.
    enum FormatFlags : int {
        kGroupThousands = 1,  // insert the thousands separator
        kPlusSign = 2,        // '+' before values that are not negative
        kPoint = 4,           // '.' as decimal separator (also a Parse flag)
        kEmptyNull = 8,       // a null number formats as the empty text
        kNoWidth = 16,        // ignore the width
    };
    // Number of decimals for Format meaning "the number's own scale" (255 is accepted too).
    static constexpr int kOwnScale = -1;

    CCislo() = default;                                     // null
    CCislo(std::int64_t mantissa, int scale);               // mantissa / 10^scale, not null
    CCislo(std::int64_t value) : m_mantissa(value), m_null(false) {}  // NOLINT: integers convert
    CCislo(int value) : CCislo(static_cast<std::int64_t>(value)) {}    // NOLINT

    // Text to number. `stop`, when given, receives the byte index where the walk stopped.
    static CCislo Parse(std::string_view text, const Separators& separators, int flags = 0,
                        std::size_t* stop = nullptr);
    // Number to text; width < 0 means no width.
    std::string Format(const Separators& separators, int flags = 0, int decimals = kOwnScale,
                       int width = -1, char fill = ' ') const;

    // Raw access, for the archive form and for tests.
    static CCislo FromRaw(std::int64_t mantissa, std::uint8_t scale, bool null);
    std::int64_t Mantissa() const { return m_mantissa; }
    int Scale() const { return m_scale; }
    bool IsNull() const { return m_null; }
    void SetNull();

    CCislo& operator+=(const CCislo& other);
    CCislo& operator-=(const CCislo& other);
    CCislo& operator*=(const CCislo& other);
    CCislo& operator/=(const CCislo& other);  // truncated, keeps this scale
    CCislo& operator%=(const CCislo& other);
    CCislo operator-() const;

    friend CCislo operator+(CCislo a, const CCislo& b) { return a += b; }
    friend CCislo operator-(CCislo a, const CCislo& b) { return a -= b; }
    friend CCislo operator*(CCislo a, const CCislo& b) { return a *= b; }
    friend CCislo operator/(CCislo a, const CCislo& b) { return a /= b; }
    friend CCislo operator%(CCislo a, const CCislo& b) { return a %= b; }

    // 1, 0 or -1 by value; scales and the null flag do not matter.
    static int Compare(const CCislo& a, const CCislo& b);
    friend bool operator==(const CCislo& a, const CCislo& b) { return Compare(a, b) == 0; }
    friend std::strong_ordering operator<=>(const CCislo& a, const CCislo& b)
    {
        return Compare(a, b) <=> 0;
    }

    int Sign() const { return (m_mantissa > 0) - (m_mantissa < 0); }
    int DigitOrder() const;
    CCislo& SetScale(int scale, bool round);
    CCislo& Normalize(int minScale);
    std::int64_t RoundToInteger() const;
    double ToDouble() const;
    CCislo Fraction() const;

    // Identity of representation (value, scale and null flag), unlike ==, which compares values.
    bool SameAs(const CCislo& other) const
    {
        return m_mantissa == other.m_mantissa && m_scale == other.m_scale && m_null == other.m_null;
    }

private:
    std::int64_t m_mantissa = 0;
    std::uint8_t m_scale = 0;
    bool m_null = true;
};

// A number as a key of a map, equal exactly when the values are equal by Compare: the mantissa and
// scale without trailing decimal zeros. A null number has the key of 0.
using NumberKey = std::pair<std::int64_t, int>;
NumberKey KeyOf(CCislo value);

struct NumberKeyHash {
    std::size_t operator()(const NumberKey& key) const noexcept
    {
        return static_cast<std::size_t>(key.first) * 31u + static_cast<std::size_t>(key.second);
    }
};

}  // namespace belvo
