#include "PlistValue.h"

namespace host::sample {

PlistValue PlistValue::Integer(std::int64_t value)
{
    PlistValue result;
    result.integer = value;
    return result;
}

PlistValue PlistValue::String(std::string text)
{
    PlistValue result;
    result.kind = Kind::String;
    result.text = std::move(text);
    return result;
}

PlistValue PlistValue::Array(std::vector<PlistValue> items)
{
    PlistValue result;
    result.kind = Kind::Array;
    result.items = std::move(items);
    return result;
}

PlistValue PlistValue::Dictionary(std::vector<std::pair<std::string, PlistValue>> entries)
{
    PlistValue result;
    result.kind = Kind::Dictionary;
    for (auto& [key, value] : entries) {
        result.keys.push_back(key);
        result.items.push_back(std::move(value));
    }
    return result;
}

} // namespace host::sample
