#pragma once

#include <QLabel>
#include <QPixmap>

class QGraphicsOpacityEffect;

namespace pluginGui {

class ToolbarBase;

// One category button of a toolbar. The derived button draws its state in UpdateView; a
// button whose category the toolbar disables ignores the mouse.
class ClickableLabelBase : public QLabel {
    Q_OBJECT

public:
    ClickableLabelBase(QWidget* parent, int category, QSize fixedSize, bool isActive);

    int GetCategory() const { return m_category; }
    bool IsActive() const { return m_isActive; }

    // Follows the toolbar's ActivateCategory from now on, and shows the current state.
    virtual void SetToolbar(ToolbarBase* toolbar);
    virtual void UpdateView(int category, bool isActive) = 0;
    virtual bool IsEnabled() const;
    virtual void Activate();
    virtual void Deactivate();
    // What a left click or Space on the focused button does: asks for its category when enabled.
    void Press();

signals:
    void CategoryChanged(int category);

public slots:
    void OnActivateCategory(int categoryToActivate);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

    QPixmap& Pixmap() { return m_pixmap; }

private:
    ToolbarBase* m_toolbar = nullptr;
    int m_category;
    bool m_isActive;
    QPixmap m_pixmap;
    QGraphicsOpacityEffect* m_opacityEffect;
};

} // namespace pluginGui
