#include "NotificationPopup.h"

#include "CryptLog/log/Log.h"

#include <QPainter>
#include <QPropertyAnimation>
#include <QResizeEvent>

#include <exception>

namespace viewers::gui {

namespace {

constexpr int ClosedHeight = 1;
constexpr int OpenHeight = 26;

} // namespace

NotificationPopup::NotificationPopup(QWidget* parent, int animationDuration)
    : QWidget(parent)
    , m_showAnimation(new QPropertyAnimation(this, "size", this))
    , m_hideAnimation(new QPropertyAnimation(this, "size", this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_showAnimation->setDuration(animationDuration);
    m_hideAnimation->setDuration(animationDuration);
    connect(m_hideAnimation, &QPropertyAnimation::finished, this, &NotificationPopup::OnHide);
    hide();
}

void NotificationPopup::SetTopParent()
{
    QWidget* top = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (top == nullptr) {
        LOG_DEBUG << "Can't get top parent widget for notification popup.";
        return;
    }
    if (m_topParent != nullptr)
        m_topParent->removeEventFilter(this);
    m_topParent = top;
    if (parentWidget() != top)
        setParent(top);
    move(0, 0);
    setFixedWidth(top->width());
    top->installEventFilter(this);
}

void NotificationPopup::ShowAnimated()
{
    if (m_topParent == nullptr)
        SetTopParent();
    m_hideAnimation->stop();
    if (m_topParent != nullptr) {
        m_showAnimation->setStartValue(QSize(width(), ClosedHeight));
        m_showAnimation->setEndValue(QSize(width(), OpenHeight));
        m_hideAnimation->setStartValue(QSize(width(), OpenHeight));
        m_hideAnimation->setEndValue(QSize(width(), ClosedHeight));
        m_showAnimation->start();
    } else {
        LOG_DEBUG << "Top parent is invalid.";
    }
    show();
    raise();
}

void NotificationPopup::OnAnimateHide()
{
    try {
        m_hideAnimation->start();
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void NotificationPopup::OnHide()
{
    try {
        m_showAnimation->stop();
        m_hideAnimation->stop();
        hide();
        emit HideFinished();
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

bool NotificationPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_topParent && event->type() == QEvent::Resize)
        setFixedWidth(static_cast<QResizeEvent*>(event)->size().width());
    return QWidget::eventFilter(watched, event);
}

void NotificationPopup::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 247, 202));
        painter.drawRect(rect());
    }
    QWidget::paintEvent(event);
}

} // namespace viewers::gui
