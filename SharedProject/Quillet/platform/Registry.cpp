#include "platform/Registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>
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

// Closes a descriptor however the step that opened it ends; closing drops its lock.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }

    int get() const { return fd_; }

private:
    int fd_;
};

// The file the path names once its symbolic links are followed, so that a rewrite
// replaces the file behind a link and keeps the link. Empty when a link cannot be
// read or the links go round in a circle.
std::optional<std::filesystem::path> followLinks(std::filesystem::path file)
{
    constexpr int kMaxLinks = 40;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat status {};
        if (::lstat(file.c_str(), &status) != 0) {
            if (errno == ENOENT) return file;
            return std::nullopt;
        }
        if (!S_ISLNK(status.st_mode)) return file;
        std::error_code ec;
        const auto target = std::filesystem::read_symlink(file, ec);
        if (ec) return std::nullopt;
        // A relative target counts from the link's folder; an absolute one replaces the path.
        file = file.parent_path() / target;
    }
    return std::nullopt;
}

std::optional<std::string> readAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) return text;
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

std::vector<Line> splitLines(const std::string& text)
{
    std::vector<Line> lines;
    for (std::size_t from = 0; from < text.size();) {
        auto end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        auto value = parseValue(line);
        lines.push_back({std::move(line), std::move(value)});
        from = end + 1;
    }
    return lines;
}

bool writeAll(int fd, const std::string& text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

// Written beside the file with the file's permissions and renamed over it, so a
// failure never leaves half a registry.
bool writeLines(const std::filesystem::path& file, const std::vector<Line>& lines, mode_t mode)
{
    std::string text;
    for (const auto& line : lines) text += line.text + '\n';
    auto temporary = file;
    temporary += ".new";
    bool written = false;
    {
        const Descriptor out(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
        written = out.get() >= 0 && ::fchmod(out.get(), mode) == 0 && writeAll(out.get(), text)
                  && ::fsync(out.get()) == 0;
    }
    if (written && ::rename(temporary.c_str(), file.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
}

// Reads the registry under an exclusive lock on its file, lets change edit the lines
// and writes them back when it reports a change. Registrations running at the same
// time, in this process or another, thus each see the other's entries. A missing file
// is created only when asked; otherwise it has nothing to change.
template <class Change>
bool rewrite(bool createMissing, Change change)
{
    const auto named = location();
    if (!named) return false;
    const auto file = followLinks(*named);
    if (!file) return false;
    if (createMissing && file->has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(file->parent_path(), ec);
        if (ec) return false;
    }
    for (;;) {
        const Descriptor held(::open(file->c_str(), O_RDWR | O_CLOEXEC | (createMissing ? O_CREAT : 0), 0666));
        if (held.get() < 0) return errno == ENOENT && !createMissing;
        int locked = 0;
        while ((locked = ::flock(held.get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (locked != 0) return false;
        // A writer that held the lock before may have renamed a new file over the one
        // locked here; then the lock guards nothing and is taken again on the new file.
        struct stat opened {};
        struct stat current {};
        if (::fstat(held.get(), &opened) != 0) return false;
        if (::stat(file->c_str(), &current) != 0) {
            if (errno == ENOENT) continue;
            return false;
        }
        if (opened.st_dev != current.st_dev || opened.st_ino != current.st_ino) continue;

        const auto text = readAll(held.get());
        if (!text) return false;
        auto lines = splitLines(*text);
        if (!change(lines)) return true;
        return writeLines(*file, lines, opened.st_mode & 07777);
    }
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
    return rewrite(true, [&](std::vector<Line>& lines) {
        for (const auto& value : values) {
            const auto held = std::find_if(lines.begin(), lines.end(),
                                           [&](const Line& l) { return l.value && sameSlot(*l.value, value); });
            if (held != lines.end())
                *held = {format(value), value};
            else
                lines.push_back({format(value), value});
        }
        return true;
    });
}

bool removeValues(const std::vector<Value>& values)
{
    return rewrite(false, [&](std::vector<Line>& lines) {
        return std::erase_if(lines, [&](const Line& l) {
                   return l.value && std::any_of(values.begin(), values.end(),
                                                 [&](const Value& v) { return sameSlot(*l.value, v); });
               }) > 0;
    });
}

} // namespace registry
