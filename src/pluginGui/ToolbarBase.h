#pragma once

#include <QMargins>
#include <QWidget>

#include <vector>

class QHBoxLayout;

namespace pluginGui {

class ClickableLabelBase;

// A row of category buttons. Buttons talk to each other only through the toolbar: a click emits
// the button's CategoryChanged, the toolbar records it and re-emits it as ActivateCategory, and
// every button activates or deactivates itself.
class ToolbarBase : public QWidget {
    Q_OBJECT

public:
    ToolbarBase(QWidget* parent, QMargins contentsMargins, int spacing);

    // The derived toolbar creates its buttons (Qt children of parent) and appends them.
    virtual void CreateButtons(QWidget* parent, int activeCategory) = 0;
    virtual void AddButton(QWidget* button);
    virtual bool IsCategoryEnabled(int category) const;
    virtual void SetCurrentCategory(int category);

    // Lays out and wires the created buttons, then makes category the current one.
    void Initialize(int category);

    QHBoxLayout* GetLayout() const { return m_layout; }
    int GetCurrentCategory() const { return m_currentCategory; }
    int GetPreviousCategory() const { return m_previousCategory; }
    const std::vector<ClickableLabelBase*>& GetButtons() const { return m_buttons; }

signals:
    void ActivateCategory(int category);

protected:
    // The button stays a Qt child of its parent; the toolbar does not own it.
    void AppendButton(ClickableLabelBase* button);

private slots:
    void OnCategoryChanged(int activatedCategory);

private:
    std::vector<ClickableLabelBase*> m_buttons;
    QHBoxLayout* m_layout;
    int m_currentCategory = -1;
    int m_previousCategory = -1;
};

} // namespace pluginGui
