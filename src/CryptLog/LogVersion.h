#pragma once

#include <string>

namespace core {
struct PlugInVersion;
}

namespace ulq::cmn::utils {

// At info severity: "Product name: <name>, version: <major>.<minor>.<revision>.<build>".
void LogVersion(const core::PlugInVersion& version, const std::string& productName);

} // namespace ulq::cmn::utils
