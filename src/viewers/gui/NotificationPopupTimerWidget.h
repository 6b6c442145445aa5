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

// Shows a message strip over `parent`'s window that goes by itself. reservedWidth: see
// NotificationMessage; path: the file the message names, if any.
void ShowNotification(QWidget* parent, const QString& text, int reservedWidth = 0, const QString& path = QString());

} // namespace viewers::gui
