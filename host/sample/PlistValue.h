#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace host::sample {

// The property-list values a backup descriptor needs: integers, UTF-8 strings, arrays and
// dictionaries whose keys keep their insertion order.
struct PlistValue {
    enum class Kind { Integer, String, Array, Dictionary };

    static PlistValue Integer(std::int64_t value);
    static PlistValue String(std::string text);
    static PlistValue Array(std::vector<PlistValue> items);
    static PlistValue Dictionary(std::vector<std::pair<std::string, PlistValue>> entries);

    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    std::string text;
    // Array items, or dictionary values in the order of `keys`.
    std::vector<PlistValue> items;
    std::vector<std::string> keys;
};

} // namespace host::sample
