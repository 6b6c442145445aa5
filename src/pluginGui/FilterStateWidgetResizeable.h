#pragma once

#include "FilterStateWidget.h"

namespace pluginGui {

// The filter panel with a grip on its free side that resizes it with the mouse between a
// minimum and a maximum width. A slide lasts one millisecond per pixel of width.
class FilterStateWidgetResizeable final : public FilterStateWidget {
    Q_OBJECT

public:
    FilterStateWidgetResizeable(QWidget* parent, bool leftAnchored, int maximumWidth, int minimumWidth);

protected slots:
    void OnHideFilterClicked() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateGrip();
    void ResizeTo(int newWidth);

    int m_maximumWidth;
    int m_minimumWidth;
    QWidget* m_grip;
    bool m_dragging = false;
};

} // namespace pluginGui
