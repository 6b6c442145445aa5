#include "NoResultsWidget.h"

#include "viewers/gui/StyleSheetManager.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace viewers::gui {

NoResultsWidget::NoResultsWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("NoResultsWidget"));
    resize(400, 316);

    auto* label = new QLabel(QCoreApplication::translate("cmn", "No matches found"), this);
    label->setObjectName(QStringLiteral("lblNoResults"));
    for (const int styleClass : {StyleClass::font_huge, StyleClass::font_italic, StyleClass::foreground_gray_pre_light})
        ApplyStyle(StyleGroup::Label, styleClass, label);

    auto* row = new QHBoxLayout;
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    row->addWidget(label);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 156, 0, 0);
    layout->addLayout(row);
    layout->addStretch();
}

} // namespace viewers::gui
