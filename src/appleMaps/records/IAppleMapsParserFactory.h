#pragma once

#include <boost/filesystem/path.hpp>

#include <memory>
#include <vector>

namespace appleMaps {

class IAppleMapsParser;

// Makes the parser for one kind of backup data.
class IAppleMapsParserFactory {
public:
    virtual ~IAppleMapsParserFactory() = default;

    virtual bool AcceptsDataPath(const boost::filesystem::path& dataPath) const = 0;
    // Only for an accepted path; may still yield null.
    virtual std::unique_ptr<IAppleMapsParser> CreateParser(const boost::filesystem::path& dataPath) const = 0;
};

// Asked in order; the first factory that accepts a path makes its parser.
using AppleMapsParserFactories = std::vector<std::unique_ptr<IAppleMapsParserFactory>>;

} // namespace appleMaps
