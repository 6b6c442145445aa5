#include "ToolbarBase.h"

#include "ClickableLabelBase.h"

#include <QHBoxLayout>

namespace pluginGui {

ToolbarBase::ToolbarBase(QWidget* parent, QMargins contentsMargins, int spacing)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(contentsMargins);
    m_layout->setSpacing(spacing);
}

void ToolbarBase::AddButton(QWidget* button)
{
    m_layout->addWidget(button);
}

bool ToolbarBase::IsCategoryEnabled(int) const
{
    return true;
}

void ToolbarBase::SetCurrentCategory(int category)
{
    m_previousCategory = m_currentCategory;
    m_currentCategory = category;
}

void ToolbarBase::Initialize(int category)
{
    for (ClickableLabelBase* button : m_buttons) {
        if (!button)
            continue;
        AddButton(button);
        connect(button, &ClickableLabelBase::CategoryChanged, this, &ToolbarBase::OnCategoryChanged);
        button->SetToolbar(this);
    }
    SetCurrentCategory(category);
}

void ToolbarBase::AppendButton(ClickableLabelBase* button)
{
    m_buttons.push_back(button);
}

void ToolbarBase::OnCategoryChanged(int activatedCategory)
{
    SetCurrentCategory(activatedCategory);
    emit ActivateCategory(activatedCategory);
}

} // namespace pluginGui
