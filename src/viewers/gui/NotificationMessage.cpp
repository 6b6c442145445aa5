#include "NotificationMessage.h"

#include "CryptLog/log/Log.h"
#include "viewers/gui/FillElidedQtClass.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QUrl>

#include <algorithm>
#include <exception>

namespace viewers::gui {

NotificationMessage::NotificationMessage(QWidget* parent, int reservedWidth)
    : QWidget(parent)
    , m_content(new QLabel(this))
    , m_openButton(new QPushButton(this))
    , m_reservedWidth(reservedWidth)
{
    m_openButton->setObjectName(QStringLiteral("btnOpen"));
    m_openButton->setIcon(QIcon(QStringLiteral(":/view_flag.png")));
    m_openButton->setCursor(Qt::PointingHandCursor);
    ApplyStyle(StyleGroup::Button, StyleClass::border_none, m_openButton);

    m_content->setOpenExternalLinks(true);
    ApplyStyle(StyleGroup::Label, StyleClass::font_pre_small, m_content);
    ApplyStyle(StyleGroup::Label, StyleClass::foreground_black, m_content);

    // The side spacers centre the message in a strip wider than it; without a reserved width
    // the message takes the row.
    const QSizePolicy::Policy sidePolicy = reservedWidth != 0 ? QSizePolicy::Expanding : QSizePolicy::Fixed;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addItem(new QSpacerItem(0, 0, sidePolicy, QSizePolicy::Minimum));
    layout->addWidget(m_content);
    layout->addWidget(m_openButton);
    layout->addItem(new QSpacerItem(0, 0, sidePolicy, QSizePolicy::Minimum));

    QMetaObject::connectSlotsByName(this);
    m_content->setObjectName(QStringLiteral("NotificationMessageText"));
    if (parent != nullptr)
        parent->installEventFilter(this);
}

void NotificationMessage::SetText(const QString& text)
{
    m_text = text + QLatin1Char(' ');
    m_content->setText(text);
}

void NotificationMessage::SetPath(const QString& path)
{
    m_path = path;
}

void NotificationMessage::HideOpenButton()
{
    m_openButton->hide();
}

bool NotificationMessage::event(QEvent* event)
{
    // The message follows the width of whichever widget holds it, also after being moved into
    // a notification strip.
    if (event->type() == QEvent::ParentAboutToChange && parentWidget() != nullptr)
        parentWidget()->removeEventFilter(this);
    else if (event->type() == QEvent::ParentChange && parentWidget() != nullptr)
        parentWidget()->installEventFilter(this);
    return QWidget::event(event);
}

bool NotificationMessage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && m_reservedWidth != 0)
        FitText(static_cast<QResizeEvent*>(event)->size().width());
    return QWidget::eventFilter(watched, event);
}

void NotificationMessage::on_btnOpen_clicked()
{
    try {
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_path));
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void NotificationMessage::FitText(int parentWidth)
{
    // Measured against the width there is rather than the label's current width, so that the
    // message grows back when the parent widens.
    const int available = std::max(0, parentWidth - m_reservedWidth);
    details::FillElidedQtClass(m_content, m_text, Qt::ElideMiddle, available);
    m_content->setFixedWidth(std::min(m_content->fontMetrics().horizontalAdvance(m_text), available));
}

} // namespace viewers::gui
