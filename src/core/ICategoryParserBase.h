#pragma once

#include <cstdint>

namespace core {

// What the plug-in base needs of any category parser.
class ICategoryParserBase {
public:
    virtual ~ICategoryParserBase() = default;

    // False when the records of the last parse still match the data on disk.
    virtual bool IsDataChanged() = 0;
    // The number of records a parse would yield, shown before parsing.
    virtual std::uint64_t GetDataSize() = 0;
};

} // namespace core
