#include "LogVersion.h"

#include "CryptLog/log/Log.h"
#include "core/interfaces/PlugInVersion.h"

namespace ulq::cmn::utils {

void LogVersion(const core::PlugInVersion& version, const std::string& productName)
{
    if (CryptLog::Logger::Instance().MaxSeverity() < CryptLog::Info)
        return;
    // Revision before build, unlike the field order.
    LOG_INFO << "Product name: " << productName << ", version: " << version.versionMajor << '.'
             << version.versionMinor << '.' << version.revision << '.' << version.build;
}

} // namespace ulq::cmn::utils
