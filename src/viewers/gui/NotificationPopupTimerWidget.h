#pragma once

#include "viewers/gui/NotificationPopup.h"

class QHBoxLayout;
class QTimer;

namespace viewers::gui {

// A notification strip with a close button that closes itself 5.5 s after it was shown.
class NotificationPopupTimerWidget : public NotificationPopup {
    Q_OBJECT

public:
    explicit NotificationPopupTimerWidget(QWidget* parent);

    // Takes a content widget (a NotificationMessage, say) into the strip.
    void AddWidget(QWidget* widget);
    void ShowAnimated() override;

private slots:
    void on_btnClose_clicked();

private:
    QHBoxLayout* m_contentLayout;
    QTimer* m_hideTimer;
};

} // namespace viewers::gui
