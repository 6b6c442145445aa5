#include "CategoryPlugInBase.h"

#include "ICategoryParserBase.h"

#include "CryptLog/log/Log.h"
#include "cmn/CommonExceptions.h"
#include "cmn/FileSystemException.h"

namespace core {

std::uint64_t CategoryPlugInBase::CalculateDataSize()
{
    return cmn::utils::GetCategoryDataSize(GetParserBase(), GetName());
}

bool CategoryPlugInBase::IsSizeOutdated() const
{
    return false;
}

ICategoryParserBase* CategoryPlugInBase::GetParserBase()
{
    return nullptr;
}

QString CategoryPlugInBase::GetDisabledIconPath() const
{
    return GetIconPath();
}

int CategoryPlugInBase::GetCategoryGroup() const
{
    return 0;
}

int CategoryPlugInBase::GetCategoryOrder() const
{
    return 0;
}

// A failing size query keeps the previous value. Only critical file-system failures, file-system
// failures that name no path and a too new category version reach the caller.
std::uint64_t CategoryPlugInBase::GetCategoryDataSize()
{
    if (m_cachedSize == kUnknownSize || IsSizeOutdated()) {
        LOG_INFO << "Start getting " << GetName() << " category size";
        try {
            m_cachedSize = CalculateDataSize();
        } catch (const ulq::cmn::FileSystemCriticalException& exception) {
            LOG_DEBUG << exception.GetLogText();
            throw ulq::cmn::FileSystemCriticalException(CMN_SOURCE_LOCATION, exception.GetUserText(),
                                                        exception.GetPath());
        } catch (const ulq::cmn::FileSystemException& exception) {
            if (exception.GetPath().empty())
                throw;
            LOG_DEBUG << exception.what();
        } catch (const cmn::PlugInVersionException&) {
            throw;
        } catch (const std::exception& exception) {
            LOG_DEBUG << exception.what();
        }
    }
    LOG_INFO << GetName() << " plugin data size: " << m_cachedSize;
    return m_cachedSize;
}

std::uint64_t CategoryPlugInBase::RefreshCategoryDataSize()
{
    LOG_INFO << "Start getting " << GetName() << " category size";
    const std::uint64_t size = CalculateDataSize();
    LOG_INFO << GetName() << " plugin data size: " << size;
    return size;
}

} // namespace core

namespace cmn::utils {

std::uint64_t GetCategoryDataSize(core::ICategoryParserBase* parser, const QString& categoryName)
{
    if (!parser) {
        LOG_DEBUG << categoryName << " parser is incorect";
        return 0;
    }
    return parser->GetDataSize();
}

} // namespace cmn::utils
