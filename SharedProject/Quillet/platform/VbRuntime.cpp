#include "platform/VbRuntime.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace vb {

std::string errorDescription(std::int32_t number)
{
    switch (number) {
    case InvalidProcedureCall: return "无效的过程调用或参数";
    case Overflow: return "溢出";
    case SubscriptOutOfRange: return "下标越界";
    case TypeMismatch: return "类型不匹配";
    case DuplicateKey: return "此键已经与该集合中的一个元素相关联";
    default: return "应用程序定义或对象定义的错误";
    }
}

VbError::VbError(std::int32_t number) : VbError(number, errorDescription(number)) {}

VbError::VbError(std::int32_t number, const std::string& description)
    : std::runtime_error(description), number_(number)
{
}

VbError::~VbError() = default;

namespace {

constexpr std::string_view kBlanks = " \t";

int digitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
    return -1;
}

// The digits of "&H" (hexadecimal) or "&O" (octal) text. As with a literal, a value of up
// to 16 bits is an Integer and one of up to 32 bits a Long, each read in two's complement,
// so "&HFFFF" is -1 and "&H8000" is -32768.
std::int32_t radixValue(std::string_view digits, int radix)
{
    if (digits.empty()) throw VbError(TypeMismatch);
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c);
        if (digit < 0 || digit >= radix) throw VbError(TypeMismatch);
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) throw VbError(Overflow);
    }
    if (value <= 0xFFFFu) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::int16_t toInteger(double value)
{
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) throw VbError(Overflow);
    return static_cast<std::int16_t>(rounded);
}

} // namespace

std::int16_t CInt(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) throw VbError(TypeMismatch);
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);

    if (text.size() >= 2 && text.front() == '&') {
        const char prefix = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
        if (prefix == 'H') return toInteger(radixValue(text.substr(2), 16));
        if (prefix == 'O') return toInteger(radixValue(text.substr(2), 8));
        throw VbError(TypeMismatch);
    }

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would take "inf" and "nan" as numbers; a number starts with a digit or a point.
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.'))
        throw VbError(TypeMismatch);

    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size()) throw VbError(TypeMismatch);
    if (ec == std::errc::result_out_of_range) throw VbError(Overflow);
    if (ec != std::errc()) throw VbError(TypeMismatch);
    return toInteger(negative ? -value : value);
}

} // namespace vb
