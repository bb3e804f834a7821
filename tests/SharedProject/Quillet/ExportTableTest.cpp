// What the library file offers a client that looks past its headers: the
// names in its dynamic symbol table, as the loader and dlsym see them.

#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<char> readBytes(const char* file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <class T>
T readAt(const std::vector<char>& bytes, std::size_t offset)
{
    T value{};
    if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

// The names the file defines in its dynamic symbol table, sorted.
std::vector<std::string> definedDynamicSymbols(const std::vector<char>& bytes)
{
    std::vector<std::string> names;
    const auto header = readAt<Elf64_Ehdr>(bytes, 0);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64) return names;
    for (unsigned i = 0; i < header.e_shnum; ++i) {
        const auto section = readAt<Elf64_Shdr>(bytes, header.e_shoff + std::size_t{i} * header.e_shentsize);
        if (section.sh_type != SHT_DYNSYM || section.sh_entsize == 0) continue;
        const auto strings = readAt<Elf64_Shdr>(bytes, header.e_shoff + std::size_t{section.sh_link} * header.e_shentsize);
        for (std::size_t at = section.sh_offset; at + section.sh_entsize <= section.sh_offset + section.sh_size;
             at += section.sh_entsize) {
            const auto symbol = readAt<Elf64_Sym>(bytes, at);
            const auto binding = ELF64_ST_BIND(symbol.st_info);
            if (symbol.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK)) continue;
            const std::size_t name = strings.sh_offset + symbol.st_name;
            if (name >= bytes.size()) continue;
            names.emplace_back(bytes.data() + name, strnlen(bytes.data() + name, bytes.size() - name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(QuilletExportTable, TheFileDefinesExactlyTheFourEntryPoints)
{
    const auto bytes = readBytes(QUILLET_LIBRARY);
    ASSERT_FALSE(bytes.empty()) << "cannot read " << QUILLET_LIBRARY;
    const std::vector<std::string> expected = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                                               "DllUnregisterServer"};
    EXPECT_EQ(definedDynamicSymbols(bytes), expected);
}

TEST(QuilletExportTable, APrivateClassCannotBeReachedThroughTheLoader)
{
    void* library = dlopen(QUILLET_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    EXPECT_NE(dlsym(library, "DllGetClassObject"), nullptr);
    for (const char* hidden : {"_ZN7quillet10WndQuilletC1Ev", "_ZN7quillet11CMyItemDataC1Ev",
                               "_ZN7quillet12CMyItemDatasC1Ev", "_ZN7quillet12HelpCallBackC1Ev",
                               "_ZN8registry9setValuesERKSt6vectorINS_5ValueESaIS1_EE"})
        EXPECT_EQ(dlsym(library, hidden), nullptr) << hidden;
    dlclose(library);
}

} // namespace
