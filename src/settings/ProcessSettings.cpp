#include "ProcessSettings.h"

#include "SettingsManager.h"
#include "SettingsPresenter.h"

#include "cmn/AppFolders.h"
#include "cmn/PathEncoding.h"

#include <QString>

#include <memory>

namespace settings {

std::shared_ptr<ISettingsManager> GetSettingsManager()
{
    static const std::shared_ptr<ISettingsManager> manager = std::make_shared<SettingsManager>(
        QString::fromStdWString(ulq::cmn::utils::GetMakerName()),
        QString::fromStdWString(ulq::cmn::utils::GetProductName()),
        ulq::cmn::utils::PathToQString(ulq::cmn::utils::GetSettingsFilePath()));
    return manager;
}

std::shared_ptr<ISettingsPresenter> GetSettingsPresenter()
{
    static const std::shared_ptr<ISettingsPresenter> presenter =
        std::make_shared<SettingsPresenter>(GetSettingsManager());
    return presenter;
}

} // namespace settings
