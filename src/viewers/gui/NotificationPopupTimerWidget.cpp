#include "NotificationPopupTimerWidget.h"

#include "CryptLog/log/Log.h"
#include "viewers/gui/NotificationMessage.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

#include <exception>

namespace viewers::gui {

namespace {

constexpr int AnimationDuration = 500;
constexpr int ShownMilliseconds = 5500;

} // namespace

NotificationPopupTimerWidget::NotificationPopupTimerWidget(QWidget* parent)
    : NotificationPopup(parent, AnimationDuration)
    , m_contentLayout(new QHBoxLayout)
    , m_hideTimer(new QTimer(this))
{
    m_contentLayout->setObjectName(QStringLiteral("layoutContent"));
    m_contentLayout->setContentsMargins(0, 0, 0, 0);

    auto* closeButton = new QPushButton(this);
    closeButton->setObjectName(QStringLiteral("btnClose"));
    closeButton->setIcon(QIcon(QStringLiteral(":/Resources/images/close.png")));
    closeButton->setIconSize(QSize(12, 12));
    closeButton->setCursor(Qt::PointingHandCursor);
    ApplyStyle(StyleGroup::Button, StyleClass::border_none, closeButton);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->addLayout(m_contentLayout, 1);
    layout->addWidget(closeButton);

    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(ShownMilliseconds);
    connect(m_hideTimer, &QTimer::timeout, this, &NotificationPopupTimerWidget::OnAnimateHide);
    QMetaObject::connectSlotsByName(this);
}

void NotificationPopupTimerWidget::AddWidget(QWidget* widget)
{
    m_contentLayout->addWidget(widget);
}

void NotificationPopupTimerWidget::ShowAnimated()
{
    NotificationPopup::ShowAnimated();
    m_hideTimer->start();
}

void NotificationPopupTimerWidget::on_btnClose_clicked()
{
    try {
        m_hideTimer->stop();
        OnHide();
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void ShowNotification(QWidget* parent, const QString& text, int reservedWidth, const QString& path)
{
    auto* popup = new NotificationPopupTimerWidget(parent);
    auto* message = new NotificationMessage(popup, reservedWidth);
    message->SetText(text);
    message->SetPath(path);
    message->HideOpenButton();
    popup->AddWidget(message);
    QObject::connect(popup, &NotificationPopup::HideFinished, popup, &QObject::deleteLater);
    popup->SetTopParent();
    popup->ShowAnimated();
}

} // namespace viewers::gui
