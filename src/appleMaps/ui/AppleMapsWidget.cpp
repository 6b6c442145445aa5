#include "AppleMapsWidget.h"

#include "appleMaps/presenter/IAppleMapsPresenter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace appleMaps::ui {

AppleMapsWidget::AppleMapsWidget(IAppleMapsPresenter* presenter, QWidget* parent)
    : CategoryViewBase(parent)
    , m_presenter(presenter)
    , m_summary(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addStretch();
}

void AppleMapsWidget::NotifyCategoryLoaded()
{
    const AppleMapsRecords& records = m_presenter->GetRecords();
    m_summary->setText(QCoreApplication::translate("cmn", "Searches: %1, Favorites: %2, Explored places: %3, "
                                                          "Directions searches: %4")
                           .arg(records.querySearches.size())
                           .arg(records.bookmarks.size())
                           .arg(records.placeDisplays.size())
                           .arg(records.directionSearches.size()));
}

void AppleMapsWidget::PrepareForShutdown()
{
    hide();
}

} // namespace appleMaps::ui
