#include "IconButton.h"

#include "FocusFrame.h"

#include "CryptLog/log/Log.h"
#include "resources/KitResources.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QSvgWidget>

#include <algorithm>

namespace viewers::gui {

namespace {

QByteArray ReadSvg(const QString& path)
{
    // The icons are kit resources, and a button may be the first kit widget of the process.
    resources::InitKitResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LOG_DEBUG << "Can't open icon " << path;
        return {};
    }
    QByteArray source = file.readAll();
    // Paths without a fill are drawn black by default, but there is no colour text to replace.
    if (!source.contains("fill") && source.contains("path"))
        source.replace("path ", "path fill=\"#000000\" ");
    return source;
}

} // namespace

IconButton::IconButton(QWidget* parent, const QString& svgPath, const QSize& iconSize, const QSize& buttonSize)
    : QPushButton(parent)
    , m_svgSource(ReadSvg(svgPath))
    , m_iconSize(iconSize)
    , m_buttonSize(buttonSize)
    , m_svgWidget(new QSvgWidget(this))
{
    const int colorStart = m_svgSource.indexOf('#');
    if (colorStart >= 0)
        m_currentColor = m_svgSource.mid(colorStart, 7);
    m_svgWidget->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_svgWidget->load(m_svgSource);
    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(m_svgWidget);
    CenterIcon();
}

void IconButton::SetColor(int state, const QColor& color)
{
    m_colors[state] = color;
    Redraw(isEnabled() ? Normal : Disabled);
}

void IconButton::SetButtonSize(const QSize& buttonSize)
{
    m_buttonSize = buttonSize;
    CenterIcon();
}

void IconButton::ScaleIcon(const QSize& iconSize)
{
    m_iconSize = iconSize;
    CenterIcon();
}

void IconButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        Redraw(isEnabled() ? Normal : Disabled);
}

void IconButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    PaintFocusFrame(this);
}

void IconButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    Redraw(Normal);
}

void IconButton::Redraw(int state)
{
    const auto color = m_colors.find(state);
    if (color == m_colors.end() || m_currentColor.isEmpty())
        return;
    const QByteArray colorText = color->second.name().toLatin1();
    m_svgSource.replace(m_currentColor, colorText);
    m_currentColor = colorText;
    m_svgWidget->load(m_svgSource);
}

void IconButton::CenterIcon()
{
    setFixedSize(m_buttonSize);
    m_svgWidget->setFixedSize(m_iconSize);
    // Odd pixels go to the right and bottom.
    const int horizontal = std::max(0, m_buttonSize.width() - m_iconSize.width());
    const int vertical = std::max(0, m_buttonSize.height() - m_iconSize.height());
    layout()->setContentsMargins(horizontal / 2, vertical / 2, horizontal - horizontal / 2, vertical - vertical / 2);
}

} // namespace viewers::gui
