#include "MapPanel.h"

#include "MapShapes.h"
#include "MapView.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>

namespace map {

namespace {

constexpr double ButtonZoomFactor = 2.0;

// Counts with the locale's thousands separator, also where the locale leaves it out by default.
QString CountText(int count)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(count);
}

QToolButton* MakeButton(QWidget* parent, const QString& text, const QString& toolTip, const char* objectName)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(toolTip);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoRaise(true);
    return button;
}

} // namespace

MapPanel::MapPanel(QWidget* parent)
    : QWidget(parent)
    , m_caption(new QLabel(this))
    , m_view(new MapView(this))
{
    m_caption->setObjectName(QStringLiteral("mapCaption"));
    auto* zoomIn = MakeButton(this, QStringLiteral("+"), QCoreApplication::translate("cmn", "Zoom in"), "mapZoomIn");
    auto* zoomOut =
        MakeButton(this, QStringLiteral("\u2212"), QCoreApplication::translate("cmn", "Zoom out"), "mapZoomOut");
    auto* fit = MakeButton(this, QCoreApplication::translate("cmn", "Fit"),
                           QCoreApplication::translate("cmn", "Zoom to all shown records"), "mapFitButton");
    connect(zoomIn, &QToolButton::clicked, m_view, [this] { m_view->ZoomBy(ButtonZoomFactor); });
    connect(zoomOut, &QToolButton::clicked, m_view, [this] { m_view->ZoomBy(1.0 / ButtonZoomFactor); });
    connect(fit, &QToolButton::clicked, m_view, &MapView::FitAll);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 0, 0, 0);
    bar->addWidget(m_caption, 1);
    bar->addWidget(zoomIn);
    bar->addWidget(zoomOut);
    bar->addWidget(fit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);
    SetShapes(MapShapes());
}

void MapPanel::SetShapes(MapShapes shapes)
{
    m_caption->setText(QCoreApplication::translate("cmn", "%1 shown, %2 without a location")
                           .arg(CountText(shapes.ShownCount()), CountText(shapes.WithoutLocationCount())));
    m_view->SetShapes(std::move(shapes));
}

void MapPanel::SetSelected(std::optional<int> id)
{
    m_view->SetSelected(id);
}

void MapPanel::CentreOn(int id)
{
    m_view->CentreOn(id);
}

void MapPanel::FitAll()
{
    m_view->FitAll();
}

void MapPanel::SetShapeClickedHandler(std::function<void(int id)> handler)
{
    disconnect(m_view, &MapView::ShapeClicked, this, nullptr);
    connect(m_view, &MapView::ShapeClicked, this, std::move(handler));
}

QString MapPanel::Caption() const
{
    return m_caption->text();
}

} // namespace map
