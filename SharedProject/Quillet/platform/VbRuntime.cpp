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

std::int16_t CInt(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) throw VbError(TypeMismatch);
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

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

    const double rounded = std::nearbyint(negative ? -value : value);
    if (rounded < -32768.0 || rounded > 32767.0) throw VbError(Overflow);
    return static_cast<std::int16_t>(rounded);
}

} // namespace vb
