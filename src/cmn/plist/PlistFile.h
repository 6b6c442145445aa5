#pragma once

#include <boost/filesystem/path.hpp>

class TiXmlDocument;

namespace ulq::cmn {

// Loads a property-list file, binary or XML, into `document` as XML. Any failure (the file
// cannot be read, does not parse, or is a malformed binary list) is logged and thrown as
// CommonException "Can't open backup.<path> file is corrupted.".
void OpenPlistFile(const boost::filesystem::path& path, TiXmlDocument& document);

} // namespace ulq::cmn
