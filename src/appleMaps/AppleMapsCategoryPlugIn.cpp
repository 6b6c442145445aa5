#include "AppleMapsCategoryPlugIn.h"

#include "core/CategoryViewBase.h"

namespace appleMaps {
namespace {

constexpr core::PlugInVersion kVersion{4, 51, 33506, 0};

} // namespace

AppleMapsCategoryPlugIn::AppleMapsCategoryPlugIn()
    : CategoryPlugInBase(kVersion)
{
}

AppleMapsCategoryPlugIn::~AppleMapsCategoryPlugIn()
{
    delete m_view;
}

QString AppleMapsCategoryPlugIn::GetShortcut() const
{
    return QStringLiteral("Ctrl+Shift+A");
}

QString AppleMapsCategoryPlugIn::GetName() const
{
    return QStringLiteral("Apple Maps");
}

QString AppleMapsCategoryPlugIn::GetIconPath() const
{
    return QStringLiteral(":/Resources/AppleMapsResources/Maps.svg");
}

core::CategoryViewBase* AppleMapsCategoryPlugIn::TakeView()
{
    core::CategoryViewBase* view = m_view;
    m_view = nullptr;
    if (view)
        view->NotifyCategoryLoaded();
    return view;
}

void AppleMapsCategoryPlugIn::SetView(core::CategoryViewBase* view)
{
    delete m_view;
    m_view = view;
}

} // namespace appleMaps
