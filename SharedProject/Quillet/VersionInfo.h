#pragma once

// The version information carried by the library file.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

namespace quillet {

inline constexpr std::uint32_t VOS__WINDOWS32 = 0x00000004;
inline constexpr std::uint32_t VFT_DLL = 0x00000002;

struct FixedFileInfo {
    std::array<std::uint16_t, 4> fileVersion;
    std::array<std::uint16_t, 4> productVersion;
    std::uint32_t fileFlagsMask;
    std::uint32_t fileFlags;
    std::uint32_t fileOS;
    std::uint32_t fileType;
    std::uint32_t fileSubtype;
};

struct VersionInfo {
    FixedFileInfo fixed;
    std::uint16_t language;  // of the string table and of the one translation entry
    std::uint16_t codePage;
    std::array<std::pair<std::string_view, std::string_view>, 7> strings;
};

const VersionInfo& versionInfo();

// A string of the table by name; present with an empty value is not the same as absent.
std::optional<std::string_view> versionString(std::string_view name);

} // namespace quillet
