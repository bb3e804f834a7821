#pragma once

// The type library compiled into Quillet, and its one binary resource.

#include "platform/ComBase.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quillet {

struct TypeDescription {
    std::string_view name;
    com::TYPEKIND kind;
    com::GUID guid;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
    std::uint16_t flags;
    std::string_view baseInterface;     // interfaces: the one they derive from
    std::string_view defaultInterface;  // classes: the interface they implement
    std::uint16_t functions;            // of its own, inherited ones not counted
    std::uint16_t variables;
};

struct ImportedLibrary {
    std::string_view file;
    com::GUID libid;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
};

struct TypeLibraryDescription {
    std::string_view name;
    com::GUID libid;
    std::uint16_t majorVersion;
    std::uint16_t minorVersion;
    com::LCID lcid;
    com::SYSKIND syskind;
    std::uint16_t flags;
    std::string_view helpFile;
    std::string_view helpString;
    ImportedLibrary imported;
    std::array<TypeDescription, 2> types;  // in library order: _cQuillet, cQuillet
};

const TypeLibraryDescription& typeLibrary();

// A resource by type and identifier (language neutral); only "_IID_CQUILLET" 1 is held.
std::optional<std::span<const std::uint8_t>> findResource(std::string_view type, int id);

// New type information for one of the library's types, holding one reference.
com::ITypeInfo* createTypeInfo(const TypeDescription& type);

} // namespace quillet
