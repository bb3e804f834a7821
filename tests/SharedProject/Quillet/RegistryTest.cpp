// The component registry file as several writers and a linked location see it.

#include "Files.h"
#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::multiset<std::string> linesOf(const fs::path& file)
{
    std::multiset<std::string> lines;
    std::istringstream in(readFile(file));
    for (std::string line; std::getline(in, line);) lines.insert(line);
    return lines;
}

class QuilletRegistry : public testing::Test {
protected:
    void SetUp() override
    {
        folder = makeTemporaryFolder("quillet-registry");
        ASSERT_FALSE(folder.empty());
    }

    void TearDown() override
    {
        unsetenv("COMPONENT_REGISTRY");
        fs::remove_all(folder);
    }

    void useRegistry(const fs::path& file) { setenv("COMPONENT_REGISTRY", file.c_str(), 1); }

    fs::path folder;
};

TEST_F(QuilletRegistry, SimultaneousWritersKeepEachOthersValues)
{
    const auto file = folder / "component-registry";
    useRegistry(file);
    constexpr int kWriters = 8;
    constexpr int kValuesEach = 30;
    const auto keyOf = [](int writer, int n) { return "CLSID\\W" + std::to_string(writer) + "\\N" + std::to_string(n); };

    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&, w] {
            for (int n = 0; n < kValuesEach; ++n)
                EXPECT_TRUE(registry::setValues({{keyOf(w, n), "", "x"}}));
            // Every writer then takes its odd values away again, while the others still write.
            for (int n = 1; n < kValuesEach; n += 2) EXPECT_TRUE(registry::removeValues({{keyOf(w, n), "", ""}}));
        });
    for (auto& writer : writers) writer.join();

    std::multiset<std::string> expected;
    for (int w = 0; w < kWriters; ++w)
        for (int n = 0; n < kValuesEach; n += 2) expected.insert(keyOf(w, n) + "\t\tx");
    EXPECT_EQ(linesOf(file), expected);
    EXPECT_FALSE(fs::exists(folder / "component-registry.new"));
}

TEST_F(QuilletRegistry, ALinkedRegistryIsRewrittenBehindItsLinkAndTheLinkStays)
{
    fs::create_directories(folder / "shared");
    const auto target = folder / "shared" / "registry.txt";
    std::ofstream(target) << "# kept\nOther\t\tone\n";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    const auto link = folder / "component-registry";
    fs::create_symlink("shared/registry.txt", link);
    useRegistry(link);

    ASSERT_TRUE(registry::setValues({{"Mine", "Name", "data"}}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), "shared/registry.txt");
    EXPECT_EQ(readFile(target), "# kept\nOther\t\tone\nMine\tName\tdata\n");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write)
        << "the rewritten file keeps its permissions";

    ASSERT_TRUE(registry::removeValues({{"Mine", "Name", ""}}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), "# kept\nOther\t\tone\n");
}

TEST_F(QuilletRegistry, ALinkToAMissingFileCreatesTheFileBehindItAndRemovingFromItCreatesNothing)
{
    const auto link = folder / "component-registry";
    const auto target = folder / "elsewhere" / "registry";
    fs::create_symlink(target, link);
    useRegistry(link);

    ASSERT_TRUE(registry::removeValues({{"Mine", "", ""}}));
    EXPECT_FALSE(fs::exists(target)) << "nothing to remove from a missing file";

    ASSERT_TRUE(registry::setValues({{"Mine", "", "data"}}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), "Mine\t\tdata\n");
}

TEST_F(QuilletRegistry, ALinkThatLeadsBackToItselfIsAFailureAndWritesNothing)
{
    const auto link = folder / "component-registry";
    fs::create_symlink("loop", link);
    fs::create_symlink("component-registry", folder / "loop");
    useRegistry(link);
    EXPECT_FALSE(registry::setValues({{"Mine", "", "data"}}));
    EXPECT_FALSE(registry::removeValues({{"Mine", "", ""}}));
    EXPECT_TRUE(fs::is_symlink(link));
}

} // namespace
