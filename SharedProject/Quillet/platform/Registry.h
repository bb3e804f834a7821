#pragma once

// The component registry: a plain text file of values, one a line,
//   key <TAB> value name <TAB> data
// an empty value name standing for the key's default value. Lines starting
// with '#' are comments. The file is the one named by the environment
// variable COMPONENT_REGISTRY, else $XDG_CONFIG_HOME/component-registry,
// else ~/.config/component-registry. When that path is a symbolic link, the
// file behind it is the one read and rewritten; the link stays. Writers lock
// the file while they rewrite it, so simultaneous writers keep each other's
// values.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace registry {

struct Value {
    std::string key;
    std::string name;
    std::string data;

    friend bool operator==(const Value&, const Value&) = default;
};

// Empty when no location can be worked out (no variable set and no home folder).
std::optional<std::filesystem::path> location();

// Writes each value, replacing one already there under the same key and name;
// every other line stays as it was. False when the file cannot be read or written,
// or a text holds a tab or line break; the file is then unchanged.
bool setValues(const std::vector<Value>& values);

// Removes the values under the keys and names given (their data does not matter);
// every other line stays as it was. A missing file has nothing to remove.
bool removeValues(const std::vector<Value>& values);

} // namespace registry
