#include "FileWrapper.h"

#include "FileErrorTexts.h"
#include "LongPath.h"
#include "PathEncoding.h"
#include "cmn/platform/Platform.h"

#include <QCoreApplication>

namespace ulq::cmn {

FileWrapper::~FileWrapper()
{
    Close();
}

void FileWrapper::InitFile(const boost::filesystem::path& path, const wchar_t* mode)
{
    Close();
    m_file = ::cmn::platform::OpenFile(utils::ApplyLongPathForm(path), mode);
    if (!m_file) {
        utils::details::ThrowFileError(
            CMN_SOURCE_LOCATION,
            utils::details::FileErrorTexts().Translatable(QT_TRANSLATE_NOOP("cmn", "Can't open file %1"),
                                                          utils::PathToQString(path)),
            path);
    }
}

void FileWrapper::Close()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

} // namespace ulq::cmn
