#include "AppleMapsWidgetForm.h"

#include <QHBoxLayout>
#include <QMetaObject>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWidget>

namespace appleMaps::ui {

namespace {

template <typename Object> Object* Named(Object* object, const char* name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

QSpacerItem* ExpandingSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

QWidget* AddPage(QStackedWidget* stack, const char* pageName, QVBoxLayout*& layout, const char* layoutName)
{
    auto* page = Named(new QWidget(), pageName);
    layout = Named(new QVBoxLayout(page), layoutName);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(page);
    return page;
}

} // namespace

void AppleMapsWidgetForm::SetupUi(QWidget* page)
{
    page->setObjectName(QStringLiteral("AppleMapsWidget"));
    page->resize(640, 480);
    page->setWindowTitle(QString());
    verticalLayout = Named(new QVBoxLayout(page), "verticalLayout");
    mainWidget = Named(new QWidget(page), "mainWidget");
    verticalLayout->addWidget(mainWidget);

    horizontalLayout_3 = Named(new QHBoxLayout(mainWidget), "horizontalLayout_3");
    horizontalLayout_3->setSpacing(18);
    horizontalLayout_3->setContentsMargins(0, 0, 0, 0);

    layoutFilter = Named(new QHBoxLayout(), "layoutFilter");
    layoutFilter->setSpacing(0);
    horizontalLayout_3->addLayout(layoutFilter);

    layoutCenter = Named(new QVBoxLayout(), "layoutCenter");
    layoutCenter->setSpacing(5);
    horizontalLayout_3->addLayout(layoutCenter);

    layoutSearch = Named(new QHBoxLayout(), "layoutSearch");
    const QMargins defaults = layoutSearch->contentsMargins();
    layoutSearch->setContentsMargins(defaults.left(), 15, defaults.right(), 1);
    layoutCenter->addLayout(layoutSearch);

    layoutToolBar = Named(new QHBoxLayout(), "layoutToolBar");
    layoutToolBar->addItem(ExpandingSpacer());
    toolbarPlaceholder = Named(new QHBoxLayout(), "toolbarPlaceholder");
    toolbarPlaceholder->setSpacing(6);
    const QMargins toolbarDefaults = toolbarPlaceholder->contentsMargins();
    toolbarPlaceholder->setContentsMargins(toolbarDefaults.left(), 9, toolbarDefaults.right(), toolbarDefaults.bottom());
    layoutToolBar->addLayout(toolbarPlaceholder);
    layoutToolBar->addItem(ExpandingSpacer());
    layoutCenter->addLayout(layoutToolBar);

    layoutTitleAndButtons = Named(new QHBoxLayout(), "layoutTitleAndButtons");
    layoutButtons = Named(new QHBoxLayout(), "layoutButtons");
    layoutButtons->setSpacing(0);
    const QMargins buttonDefaults = layoutButtons->contentsMargins();
    layoutButtons->setContentsMargins(buttonDefaults.left(), 0, buttonDefaults.right(), 0);
    layoutButtons->addItem(ExpandingSpacer());
    explortButtonPlaceolder = Named(new QVBoxLayout(), "explortButtonPlaceolder");
    layoutButtons->addLayout(explortButtonPlaceolder);
    layoutButtons->setStretch(0, 1);
    layoutTitleAndButtons->addLayout(layoutButtons);
    layoutCenter->addLayout(layoutTitleAndButtons);

    layoutData = Named(new QVBoxLayout(), "layoutData");
    layoutData->setSpacing(0);
    stackedWidget = Named(new QStackedWidget(mainWidget), "stackedWidget");
    pageSearchHistory = AddPage(stackedWidget, "pageSearchHistory", verticalLayout_3, "verticalLayout_3");
    pageBookmarks = AddPage(stackedWidget, "pageBookmarks", verticalLayout_4, "verticalLayout_4");
    pagePlaces = AddPage(stackedWidget, "pagePlaces", verticalLayout_2, "verticalLayout_2");
    pageDirections = AddPage(stackedWidget, "pageDirections", verticalLayout_6, "verticalLayout_6");
    layoutData->addWidget(stackedWidget);
    layoutCenter->addLayout(layoutData);

    stackedWidget->setCurrentIndex(0);
    QMetaObject::connectSlotsByName(page);
}

} // namespace appleMaps::ui
