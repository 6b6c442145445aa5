#pragma once

#include "PlugInVersion.h"

#include <QtPlugin>

namespace core {

class IPlugInVersion {
public:
    virtual ~IPlugInVersion() = default;

    virtual const PlugInVersion& GetVersion() const = 0;
};

} // namespace core

Q_DECLARE_INTERFACE(core::IPlugInVersion, "ulq.core.IPlugInVersion")
