#include "platform/Registry.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace registry {
namespace {

constexpr char kVariable[] = "COMPONENT_REGISTRY";
constexpr char kFileName[] = "component-registry";

// One line of the file; comment lines and lines of other shapes are kept as text.
struct Line {
    std::string text;
    std::optional<Value> value;
};

std::optional<Value> parseValue(const std::string& text)
{
    if (text.empty() || text.front() == '#') return std::nullopt;
    const auto first = text.find('\t');
    if (first == std::string::npos) return std::nullopt;
    const auto second = text.find('\t', first + 1);
    if (second == std::string::npos) return std::nullopt;
    return Value{text.substr(0, first), text.substr(first + 1, second - first - 1), text.substr(second + 1)};
}

std::string format(const Value& v) { return v.key + '\t' + v.name + '\t' + v.data; }

bool writable(const Value& v)
{
    const auto clean = [](const std::string& s) { return s.find_first_of("\t\r\n") == std::string::npos; };
    return clean(v.key) && clean(v.name) && clean(v.data);
}

bool sameSlot(const Value& a, const Value& b) { return a.key == b.key && a.name == b.name; }

std::optional<std::vector<Line>> readLines(const std::filesystem::path& file)
{
    std::vector<Line> lines;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        if (ec) return std::nullopt;
        return lines;
    }
    std::ifstream in(file);
    if (!in) return std::nullopt;
    for (std::string text; std::getline(in, text);) lines.push_back({text, parseValue(text)});
    if (in.bad()) return std::nullopt;
    return lines;
}

// Written beside the file and renamed over it, so a failure never leaves half a registry.
bool writeLines(const std::filesystem::path& file, const std::vector<Line>& lines)
{
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    if (ec) return false;
    auto temporary = file;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& line : lines) out << line.text << '\n';
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary, ec);
            return false;
        }
    }
    std::filesystem::rename(temporary, file, ec);
    if (ec) std::filesystem::remove(temporary, ec);
    return !ec;
}

} // namespace

std::optional<std::filesystem::path> location()
{
    if (const char* file = std::getenv(kVariable); file && *file) return std::filesystem::path(file);
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::filesystem::path(config) / kFileName;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".config" / kFileName;
    return std::nullopt;
}

bool setValues(const std::vector<Value>& values)
{
    if (!std::all_of(values.begin(), values.end(), writable)) return false;
    const auto file = location();
    if (!file) return false;
    auto lines = readLines(*file);
    if (!lines) return false;
    for (const auto& value : values) {
        const auto held = std::find_if(lines->begin(), lines->end(),
                                       [&](const Line& l) { return l.value && sameSlot(*l.value, value); });
        if (held != lines->end())
            *held = {format(value), value};
        else
            lines->push_back({format(value), value});
    }
    return writeLines(*file, *lines);
}

bool removeValues(const std::vector<Value>& values)
{
    const auto file = location();
    if (!file) return false;
    auto lines = readLines(*file);
    if (!lines) return false;
    const auto before = lines->size();
    std::erase_if(*lines, [&](const Line& l) {
        return l.value && std::any_of(values.begin(), values.end(),
                                      [&](const Value& v) { return sameSlot(*l.value, v); });
    });
    if (lines->size() == before) return true;
    return writeLines(*file, *lines);
}

} // namespace registry
