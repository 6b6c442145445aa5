#pragma once

#include "core/CategoryViewBase.h"

class QLabel;

namespace appleMaps {

class IAppleMapsPresenter;

namespace ui {

// The Apple Maps page.
class AppleMapsWidget : public core::CategoryViewBase {
    Q_OBJECT

public:
    explicit AppleMapsWidget(IAppleMapsPresenter* presenter, QWidget* parent = nullptr);

    void NotifyCategoryLoaded() override;
    void PrepareForShutdown() override;

private:
    IAppleMapsPresenter* m_presenter;
    QLabel* m_summary;
};

} // namespace ui
} // namespace appleMaps
