#pragma once

#include <memory>

namespace settings {

class ISettingsManager;
class ISettingsPresenter;

// The process-wide stores of the viewer (organisation "Halvenrod", application "Mirrowdale",
// file "Settings.ini" in the application-data folder), created on first use and kept until
// the process ends.
std::shared_ptr<ISettingsManager> GetSettingsManager();

// Built over GetSettingsManager(); its network settings are loaded on creation.
std::shared_ptr<ISettingsPresenter> GetSettingsPresenter();

} // namespace settings
