#include "DemoToolbar.h"

#include "DemoToolbarButton.h"

#include <QCoreApplication>

namespace demo {

DemoToolbar::DemoToolbar(QWidget* parent, std::set<int> emptyCategories)
    : ToolbarWithCaptions(parent, QMargins(14, 0, 14, 0), 10)
    , m_emptyCategories(std::move(emptyCategories))
{
    setFixedHeight(58);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void DemoToolbar::CreateButtons(QWidget* parent, int activeCategory)
{
    const char* captions[] = {"Searches", "Favorites", "Explored places", "Directions searches"};
    for (int category = 0; category < 4; ++category) {
        AppendButton(new DemoToolbarButton(parent, category, category == activeCategory,
                                           QCoreApplication::translate("cmn", captions[category])));
    }
}

bool DemoToolbar::IsCategoryEnabled(int category) const
{
    return m_emptyCategories.count(category) == 0;
}

} // namespace demo
