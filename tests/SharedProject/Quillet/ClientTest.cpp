// A client that knows only Quillet's headers: it loads the library at run
// time, as the component loader would, and works through the entry points.

#include "Files.h"
#include "Quillet.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace com;
using quillet::_cQuillet;
using quillet::CLSID_cQuillet;
using quillet::IID__cQuillet;

class QuilletClient : public testing::Test {
protected:
    void SetUp() override
    {
        folder = makeTemporaryFolder("quillet-client");
        ASSERT_FALSE(folder.empty());
        registryFile = folder / "component-registry";
        setenv("COMPONENT_REGISTRY", registryFile.c_str(), 1);

        library = dlopen(QUILLET_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
        canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(dlsym(library, "DllCanUnloadNow"));
        getClassObject = reinterpret_cast<DllGetClassObjectFn>(dlsym(library, "DllGetClassObject"));
        registerServer = reinterpret_cast<DllRegisterServerFn>(dlsym(library, "DllRegisterServer"));
        unregisterServer = reinterpret_cast<DllUnregisterServerFn>(dlsym(library, "DllUnregisterServer"));
        ASSERT_TRUE(canUnloadNow && getClassObject && registerServer && unregisterServer);
    }

    void TearDown() override
    {
        // Unloading with objects alive would pull their code away; a failed test may leave some.
        if (library && canUnloadNow && canUnloadNow() == S_OK) dlclose(library);
        unsetenv("COMPONENT_REGISTRY");
        std::filesystem::remove_all(folder);
    }

    IClassFactory* classFactory()
    {
        void* factory = nullptr;
        EXPECT_EQ(getClassObject(&CLSID_cQuillet, &IID_IClassFactory, &factory), S_OK);
        return static_cast<IClassFactory*>(factory);
    }

    _cQuillet* createObject()
    {
        IClassFactory* factory = classFactory();
        void* object = nullptr;
        EXPECT_EQ(factory->CreateInstance(nullptr, IID__cQuillet, &object), S_OK);
        factory->Release();
        return static_cast<_cQuillet*>(object);
    }

    std::filesystem::path folder;
    std::filesystem::path registryFile;
    void* library = nullptr;
    DllCanUnloadNowFn canUnloadNow = nullptr;
    DllGetClassObjectFn getClassObject = nullptr;
    DllRegisterServerFn registerServer = nullptr;
    DllUnregisterServerFn unregisterServer = nullptr;
};

TEST_F(QuilletClient, AsksForAnyOtherClassAndIsToldItIsNotAvailable)
{
    const CLSID other = guid("{F63D4C04-6CAD-4902-9154-F4A0D19FCF86}");
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(&other, &IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(QuilletClient, ANullIdentifierOrOutPointerIsRefusedAndNoFactoryIsLeftBehind)
{
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(nullptr, &IID_IClassFactory, &object), E_POINTER);
    EXPECT_EQ(object, nullptr);
    object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(&CLSID_cQuillet, nullptr, &object), E_POINTER);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(getClassObject(&CLSID_cQuillet, &IID_IClassFactory, nullptr), E_POINTER);
    EXPECT_EQ(getClassObject(nullptr, nullptr, nullptr), E_POINTER);
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(QuilletClient, CreatesAnObjectQueriesItAndLetsTheLibraryGoWhenAllIsReleased)
{
    EXPECT_EQ(canUnloadNow(), S_OK);
    IClassFactory* factory = classFactory();
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(canUnloadNow(), S_FALSE);

    void* unknown = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, &unknown), S_OK);
    factory->Release();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "the object itself keeps the library loaded";

    auto* object = static_cast<IUnknown*>(unknown);
    void* dispatch = nullptr;
    void* own = nullptr;
    void* again = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_IDispatch, &dispatch), S_OK);
    EXPECT_EQ(object->QueryInterface(IID__cQuillet, &own), S_OK);
    EXPECT_EQ(static_cast<IUnknown*>(own)->QueryInterface(IID_IUnknown, &again), S_OK);
    EXPECT_EQ(again, unknown) << "every interface leads back to the same identity";

    void* refused = reinterpret_cast<void*>(1);
    EXPECT_EQ(object->QueryInterface(IID_IClassFactory, &refused), E_NOINTERFACE);
    EXPECT_EQ(refused, nullptr);

    static_cast<IUnknown*>(dispatch)->Release();
    static_cast<IUnknown*>(own)->Release();
    static_cast<IUnknown*>(again)->Release();
    EXPECT_EQ(canUnloadNow(), S_FALSE);
    EXPECT_EQ(object->Release(), 0u);
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(QuilletClient, ALockOnTheFactoryKeepsTheLibraryLoadedUntilUnlocked)
{
    IClassFactory* factory = classFactory();
    ASSERT_NE(factory, nullptr);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(factory, IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);

    EXPECT_EQ(factory->LockServer(1), S_OK);
    factory->Release();
    EXPECT_EQ(canUnloadNow(), S_FALSE);

    // Unlocking needs a factory again; the lock is the server's, not the factory's.
    IClassFactory* another = classFactory();
    ASSERT_NE(another, nullptr);
    EXPECT_EQ(another->LockServer(0), S_OK);
    another->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(QuilletClient, FindsNoMemberByNameOrByIdentifier)
{
    _cQuillet* object = createObject();
    ASSERT_NE(object, nullptr);

    const OLECHAR* names[] = {u"Caption", u"Item"};
    DISPID ids[] = {7, 7};
    EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 2, LOCALE_NEUTRAL, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], DISPID_UNKNOWN);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);

    DISPPARAMS none;
    EXPECT_EQ(object->Invoke(0, IID_NULL, LOCALE_NEUTRAL, 1, &none, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(object->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_NEUTRAL, 2, &none, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);

    object->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(QuilletClient, ReadsTheTypeInformationOfItsDefaultInterface)
{
    _cQuillet* object = createObject();
    ASSERT_NE(object, nullptr);

    unsigned count = 0;
    EXPECT_EQ(object->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);

    ITypeInfo* info = reinterpret_cast<ITypeInfo*>(1);
    EXPECT_EQ(object->GetTypeInfo(1, LOCALE_NEUTRAL, &info), DISP_E_BADINDEX);
    EXPECT_EQ(info, nullptr);
    ASSERT_EQ(object->GetTypeInfo(0, LOCALE_NEUTRAL, &info), S_OK);
    object->Release();

    const TYPEATTR* attributes = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->guid, IID__cQuillet);
    EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
    EXPECT_EQ(attributes->wTypeFlags, TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE
                                          | TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDISPATCHABLE);
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    EXPECT_EQ(attributes->cFuncs, 0);
    EXPECT_EQ(attributes->cVars, 0);
    info->ReleaseTypeAttr(attributes);

    std::string name;
    EXPECT_EQ(info->GetDocumentation(MEMBERID_NIL, &name, nullptr), S_OK);
    EXPECT_EQ(name, "_cQuillet");

    EXPECT_EQ(canUnloadNow(), S_FALSE) << "type information held by the client keeps the library loaded";
    info->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(QuilletClient, RegisteringWritesTheClassAndTypeLibraryAndUnregisteringRemovesExactlyThose)
{
    // Another component's entries, which neither step may touch.
    const std::string foreign = "# component registry\n"
                                "CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32\t\t/opt/other/libOther.so\n"
                                "CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32\tThreadingModel\tBoth\n";
    std::ofstream(registryFile) << foreign;

    ASSERT_EQ(registerServer(), S_OK);
    ASSERT_EQ(registerServer(), S_OK) << "registering again replaces, it does not add";

    const std::string path = std::filesystem::canonical(QUILLET_LIBRARY).string();
    const std::string clsid = "CLSID\\{F63D4C04-6CAD-4902-9154-F4A0D19FCF85}";
    const std::string typeLib = "TypeLib\\{2014DAF6-776F-4D78-868A-DA5987B41C35}\\1.0";
    const std::string written = readFile(registryFile);
    ASSERT_EQ(written.substr(0, foreign.size()), foreign);

    std::vector<std::string> lines;
    std::istringstream rest(written.substr(foreign.size()));
    for (std::string line; std::getline(rest, line);) lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    std::vector<std::string> expected = {
        clsid + "\t\tcQuillet",
        clsid + "\\InprocServer32\t\t" + path,
        clsid + "\\InprocServer32\tThreadingModel\tApartment",
        clsid + "\\TypeLib\t\t{2014DAF6-776F-4D78-868A-DA5987B41C35}",
        clsid + "\\Version\t\t1.0",
        typeLib + "\t\tQuillet owner-drawn menu components",
        typeLib + "\\0\\win32\t\t" + path,
        typeLib + "\\FLAGS\t\t0",
    };
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lines, expected);

    ASSERT_EQ(unregisterServer(), S_OK);
    EXPECT_EQ(readFile(registryFile), foreign);
    EXPECT_EQ(unregisterServer(), S_OK) << "nothing left to remove is no failure";
    EXPECT_EQ(readFile(registryFile), foreign);
}

TEST_F(QuilletClient, RegisteringReportsFailureWhenTheRegistryCannotBeWritten)
{
    // The registry's folder would have to be a plain file.
    std::ofstream(folder / "blocked") << "x";
    setenv("COMPONENT_REGISTRY", (folder / "blocked" / "component-registry").c_str(), 1);
    EXPECT_EQ(registerServer(), SELFREG_E_CLASS);
}

} // namespace
