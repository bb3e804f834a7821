#include "VersionInfo.h"

namespace quillet {
namespace {

constexpr VersionInfo kVersionInfo{
    {{1, 0, 0, 0}, {1, 0, 0, 0}, 0, 0, VOS__WINDOWS32, VFT_DLL, 0},
    0x0804,
    1200,
    {{
        {"CompanyName", "Quillet developers"},
        {"ProductName", "Quillet"},
        {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},
        {"InternalName", "Quillet"},
        {"OriginalFilename", QUILLET_FILE_NAME},
        // Present and empty: marks the file as one that registers itself.
        {"OLESelfRegister", ""},
    }},
};

} // namespace

const VersionInfo& versionInfo() { return kVersionInfo; }

std::optional<std::string_view> versionString(std::string_view name)
{
    for (const auto& [key, value] : kVersionInfo.strings)
        if (key == name) return value;
    return std::nullopt;
}

} // namespace quillet
