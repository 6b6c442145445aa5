#pragma once

#include <QtPlugin>

namespace pluginGui {

class ExportButton;

// A page that carries an export button: the host reaches the button through it to place its
// save dialog and follow the chosen scope.
class IExportButtonWidget {
public:
    virtual ~IExportButtonWidget() = default;

    virtual ExportButton* GetExportButton() const = 0;
};

} // namespace pluginGui

Q_DECLARE_INTERFACE(pluginGui::IExportButtonWidget, "ulq.pluginGui.IExportButtonWidget")
