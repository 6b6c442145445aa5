#pragma once

#include "FileSystemException.h"
#include "PathEncoding.h"

#include <boost/filesystem/path.hpp>

#include <QString>

#include <string>

namespace ulq::cmn::utils::details {

// A failure message built twice over: translated in the "cmn" context for the user, and in
// English for the log, which also gets the details a user does not need.
class FileErrorTexts final {
public:
    // `text` must be marked with QT_TRANSLATE_NOOP("cmn", ...) so that lupdate finds it.
    FileErrorTexts& Translatable(const char* text);
    // A translatable text whose %1 is filled with `argument`.
    FileErrorTexts& Translatable(const char* text, const QString& argument);
    FileErrorTexts& Verbatim(const std::string& text);
    FileErrorTexts& LogOnly(const std::string& text);
    // Both texts of `more` after these.
    FileErrorTexts& Append(const FileErrorTexts& more);

    const std::string& User() const { return m_user; }
    const std::string& Log() const { return m_log; }

private:
    std::string m_user;
    std::string m_log;
};

template <typename Exception = FileSystemException>
[[noreturn]] void ThrowFileError(const ::cmn::SourceLocation& location, const FileErrorTexts& texts,
                                 const boost::filesystem::path& path)
{
    // Through QString, so that a path that the imbued facet cannot convert still gets reported.
    throw Exception(location, texts.User(), PathToQString(path).toStdWString(), texts.Log());
}

} // namespace ulq::cmn::utils::details
