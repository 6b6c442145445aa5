#pragma once

#include <boost/filesystem/path.hpp>

#include <QString>

#include <string>

namespace ulq::cmn::utils {

// Makes UTF-8 the narrow encoding of every boost::filesystem path in the process, so that wide
// paths with any text convert both ways. Call once, before paths with non-ASCII text are built.
void ImbueUtf8PathConversion();

// A path's text for messages and logs, independent of the imbued conversion.
std::string PathToUtf8(const boost::filesystem::path& path);
QString PathToQString(const boost::filesystem::path& path);
// A path from its text, independent of the imbued conversion.
boost::filesystem::path PathFromQString(const QString& text);

} // namespace ulq::cmn::utils
