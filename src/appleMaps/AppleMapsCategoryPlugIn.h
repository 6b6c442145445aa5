#pragma once

#include "core/CategoryPlugInBase.h"

namespace appleMaps {

// The identity of the Apple Maps category and the page it holds until the host takes it.
class AppleMapsCategoryPlugIn : public core::CategoryPlugInBase {
public:
    AppleMapsCategoryPlugIn();
    ~AppleMapsCategoryPlugIn() override;

    QString GetShortcut() const override;
    QString GetName() const override;
    QString GetIconPath() const override;
    core::CategoryViewBase* TakeView() override;

protected:
    // Replaces the page still held, deleting it; null leaves no page.
    void SetView(core::CategoryViewBase* view);

private:
    core::CategoryViewBase* m_view = nullptr;
};

} // namespace appleMaps
