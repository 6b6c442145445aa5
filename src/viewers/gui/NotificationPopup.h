#pragma once

#include <QWidget>

class QPropertyAnimation;

namespace viewers::gui {

// A strip that slides open at the top of its window and slides closed again; it spans the
// window's width.
class NotificationPopup : public QWidget {
    Q_OBJECT

public:
    NotificationPopup(QWidget* parent, int animationDuration);

    // Moves the popup into the top-level window of its parent and follows that window's width.
    void SetTopParent();
    virtual void ShowAnimated();

signals:
    void HideFinished();

protected slots:
    void OnAnimateHide();
    void OnHide();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_topParent = nullptr;
    QPropertyAnimation* m_showAnimation;
    QPropertyAnimation* m_hideAnimation;
};

} // namespace viewers::gui
