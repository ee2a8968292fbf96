#include "catalogue/database_number.h"

#include <cstdint>
#include <string>

namespace belvo {

namespace {

constexpr int kMaxDigits = 18;
// Exponents beyond this are no catalogue value; refusing them keeps the scale arithmetic small.
constexpr int kMaxExponent = 60;
// Decimal places kept at most; digits further down are far below any scale the program uses.
constexpr int kMaxScale = 30;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<CCislo> ParseDatabaseNumber(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return CCislo();

    std::size_t pos = 0;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') negative = text[pos++] == '-';

    // The digits of the mantissa without the point, and how many of them follow the point.
    std::string digits;
    int fractionDigits = 0;
    bool anyDigit = false;
    while (pos < text.size() && IsDigit(text[pos])) {
        digits += text[pos++];
        anyDigit = true;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            digits += text[pos++];
            ++fractionDigits;
            anyDigit = true;
        }
    }
    if (!anyDigit) return std::nullopt;

    int exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negativeExponent = text[pos++] == '-';
        if (pos >= text.size() || !IsDigit(text[pos])) return std::nullopt;
        while (pos < text.size() && IsDigit(text[pos])) {
            exponent = exponent * 10 + (text[pos++] - '0');
            if (exponent > kMaxExponent) return std::nullopt;
        }
        if (negativeExponent) exponent = -exponent;
    }
    if (pos != text.size()) return std::nullopt;

    // The decimal places the value shows once the exponent has moved the point.
    int scale = fractionDigits - exponent;
    if (scale < 0) {
        digits.append(static_cast<std::size_t>(-scale), '0');
        scale = 0;
    }
    if (scale > kMaxScale) {
        const std::size_t cut = static_cast<std::size_t>(scale - kMaxScale);
        digits.resize(cut >= digits.size() ? 0 : digits.size() - cut);
        scale = kMaxScale;
    }
    // Leading zeros carry nothing; a zero keeps the decimal places it was written with.
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) return CCislo(0, scale);
    digits.erase(0, firstSignificant);
    const int wholeDigits = static_cast<int>(digits.size()) - scale;
    if (wholeDigits > kMaxDigits) return std::nullopt;
    if (static_cast<int>(digits.size()) > kMaxDigits) {
        const int cut = static_cast<int>(digits.size()) - kMaxDigits;
        digits.resize(kMaxDigits);
        scale -= cut;
    }
    std::int64_t mantissa = 0;
    for (char c : digits) mantissa = mantissa * 10 + (c - '0');
    return CCislo(negative ? -mantissa : mantissa, scale);
}

}  // namespace belvo
