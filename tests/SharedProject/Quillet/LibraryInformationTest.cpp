// What the library file carries about itself: identifiers, type library,
// the interface-identifier resource and the version information.

#include "Quillet.h"
#include "TypeLibrary.h"
#include "VersionInfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace quillet;

TEST(QuilletLibraryInformation, IdentifiersReadAndPrintInTheBracedForm)
{
    const auto parsed = com::GUID::parse("{6dbd2639-7392-49c8-a9ed-ca40bb40da46}");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, IID__cQuillet);
    EXPECT_EQ(IID__cQuillet.toString(), "{6DBD2639-7392-49C8-A9ED-CA40BB40DA46}");
    EXPECT_EQ(CLSID_cQuillet.toString(), "{F63D4C04-6CAD-4902-9154-F4A0D19FCF85}");
    EXPECT_EQ(LIBID_Quillet.toString(), "{2014DAF6-776F-4D78-868A-DA5987B41C35}");

    EXPECT_FALSE(com::GUID::parse("6DBD2639-7392-49C8-A9ED-CA40BB40DA46"));
    EXPECT_FALSE(com::GUID::parse("{6DBD2639-7392-49C8-A9EDCA40-BB40DA46}"));
    EXPECT_FALSE(com::GUID::parse("{6DBD2639-7392-49C8-A9ED-CA40BB40DA4G}"));
}

TEST(QuilletLibraryInformation, TypeLibraryDescribesTheHiddenDualInterfaceAndTheCreatableClass)
{
    const auto& library = typeLibrary();
    EXPECT_EQ(library.name, "Quillet");
    EXPECT_EQ(library.libid, LIBID_Quillet);
    EXPECT_EQ(library.majorVersion, 1);
    EXPECT_EQ(library.minorVersion, 0);
    EXPECT_EQ(library.lcid, 0u);
    EXPECT_EQ(library.syskind, com::SYS_WIN32);
    EXPECT_EQ(library.flags, 0);
    EXPECT_TRUE(library.helpFile.empty());
    EXPECT_FALSE(library.helpString.empty());
    EXPECT_EQ(library.helpString.find('\n'), std::string_view::npos);
    EXPECT_EQ(library.imported.file, "stdole2.tlb");
    EXPECT_EQ(library.imported.libid.toString(), "{00020430-0000-0000-C000-000000000046}");
    EXPECT_EQ(library.imported.majorVersion, 2);
    EXPECT_EQ(library.imported.minorVersion, 0);

    const auto& iface = library.types[0];
    EXPECT_EQ(iface.name, "_cQuillet");
    EXPECT_EQ(iface.guid, IID__cQuillet);
    EXPECT_EQ(iface.baseInterface, "IDispatch");
    EXPECT_EQ(iface.flags, 0x11D0) << "hidden, dual, non-extensible, OLE-automation, dispatchable";
    EXPECT_EQ(iface.functions + iface.variables, 0);

    const auto& cls = library.types[1];
    EXPECT_EQ(cls.name, "cQuillet");
    EXPECT_EQ(cls.kind, com::TKIND_COCLASS);
    EXPECT_EQ(cls.guid, CLSID_cQuillet);
    EXPECT_EQ(cls.majorVersion, 1);
    EXPECT_EQ(cls.minorVersion, 0);
    EXPECT_EQ(cls.flags, com::TYPEFLAG_FCANCREATE);
    EXPECT_EQ(cls.defaultInterface, "_cQuillet");
}

TEST(QuilletLibraryInformation, InterfaceResourceHoldsTheLengthAndTheIdentifierInStorageOrder)
{
    const auto blob = findResource("_IID_CQUILLET", 1);
    ASSERT_TRUE(blob.has_value());
    const std::vector<std::uint8_t> expected = {0x10, 0x00, 0x00, 0x00, 0x39, 0x26, 0xBD, 0x6D, 0x92, 0x73,
                                                0xC8, 0x49, 0xA9, 0xED, 0xCA, 0x40, 0xBB, 0x40, 0xDA, 0x46};
    EXPECT_EQ(std::vector<std::uint8_t>(blob->begin(), blob->end()), expected);
    EXPECT_FALSE(findResource("_IID_CQUILLET", 2));
}

TEST(QuilletLibraryInformation, VersionInformationNamesTheProductAndMarksSelfRegistration)
{
    const auto& info = versionInfo();
    EXPECT_EQ(info.fixed.fileVersion, (std::array<std::uint16_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(info.fixed.productVersion, (std::array<std::uint16_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(info.fixed.fileFlagsMask, 0u);
    EXPECT_EQ(info.fixed.fileFlags, 0u);
    EXPECT_EQ(info.fixed.fileOS, 0x4u);
    EXPECT_EQ(info.fixed.fileType, 0x2u);
    EXPECT_EQ(info.fixed.fileSubtype, 0u);
    EXPECT_EQ(info.language, 0x0804);
    EXPECT_EQ(info.codePage, 1200);

    EXPECT_EQ(versionString("ProductName"), "Quillet");
    EXPECT_EQ(versionString("FileVersion"), "1.00");
    EXPECT_EQ(versionString("ProductVersion"), "1.00");
    EXPECT_EQ(versionString("InternalName"), "Quillet");
    EXPECT_EQ(versionString("OriginalFilename"), "libQuillet.so");
    EXPECT_EQ(versionString("OLESelfRegister"), "");
    EXPECT_TRUE(versionString("CompanyName").has_value());
    EXPECT_FALSE(versionString("LegalCopyright").has_value());
}

} // namespace
