#pragma once

// Run-time errors with their numbers, and the text-to-Integer conversion the
// classes rely on.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vb {

enum ErrorNumber : std::int32_t {
    InvalidProcedureCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    DuplicateKey = 457,
};

// The standard description of a run-time error number.
std::string errorDescription(std::int32_t number);

class VbError : public std::runtime_error {
public:
    explicit VbError(std::int32_t number);
    VbError(std::int32_t number, const std::string& description);
    ~VbError() override;

    std::int32_t Number() const noexcept { return number_; }

private:
    std::int32_t number_;
};

// Text to a signed 16-bit Integer: blanks and tabs around the number are
// ignored, a fraction rounds half to even, and "&H" or "&O" (either case)
// introduces hexadecimal or octal digits. No number: TypeMismatch; outside
// -32768..32767: Overflow.
std::int16_t CInt(std::string_view text);

} // namespace vb
