#pragma once

#include <QRect>
#include <QSizePolicy>
#include <QWidget>

#include <optional>

class QBoxLayout;
class QFrame;
class QPropertyAnimation;
class QPushButton;
class QVBoxLayout;

namespace pluginQml {
class FilterSwitcher;
}

namespace viewers::gui {
class IconButton;
}

namespace pluginGui {

// The filter panel's frame: a title row with the "Hide" link, the filter icon and the on/off
// switch above the filter controls. "Hide" slides the panel out until a narrow strip is left,
// from which it slides back in. States are Qt check states (0 off, 2 on).
class FilterStateWidget : public QWidget {
    Q_OBJECT

public:
    // leftAnchored: the panel stands at the left edge and slides out to the left.
    // animationDuration: milliseconds of a slide; spacerHeight: the gap above the controls.
    FilterStateWidget(QWidget* parent, bool leftAnchored, int animationDuration, int spacerHeight);

    // Places the filter controls below the title row; the panel takes ownership.
    void SetFilterWidget(QWidget* filterWidget);
    // The switch reports the new state through FilterSwitchStateChanged.
    void SetSwitchState(int state);

signals:
    void FilterSwitchStateChanged(int state);
    // A click on the switch while someone listens here: the switch keeps its state, and the
    // listener sets the one it decides on through SetSwitchState. state: the current one.
    void FilterSwitchClicked(int state);

public slots:
    void OnFilterStateChanged(bool isDisabled);
    void ShowHiddenFilterWidget();
    void OnShowFilterClicked();
    void OnFilterSwitchStateChanged(int state);

protected slots:
    virtual void OnHideFilterClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    bool IsLeftAnchored() const { return m_leftAnchored; }
    QWidget* ExpandedPart() const { return m_expanded; }
    // The row of the collapsed and the expanded part.
    QBoxLayout* PanelLayout() const;
    void SetAnimationDuration(int milliseconds);
    // Remembers the open panel's width, width limits and size policy, which showing it again
    // restores, whatever a hide changes meanwhile. Only the first call of a hide counts.
    void KeepOpenSize();

private slots:
    void OnAnimationFinished();

private:
    struct SizeLimits {
        int width;
        int minimumWidth;
        int maximumWidth;
        QSizePolicy policy;
    };

    QWidget* CreateHeader(int spacerHeight);
    QWidget* CreateCollapsedPart();
    void ShowFilterIcon(bool active);
    // The geometry with only the strip next to the anchor left in view.
    QRect SlidOutGeometry(const QRect& open) const;
    // The open panel's place beside the anchor.
    QRect OpenGeometry(int openWidth) const;

    bool m_leftAnchored;
    // Set while the collapsed part is built.
    QWidget* m_showButton = nullptr;
    QWidget* m_expanded;
    QVBoxLayout* m_controlsLayout = nullptr;
    QPushButton* m_hideButton = nullptr;
    viewers::gui::IconButton* m_filterIcon = nullptr;
    pluginQml::FilterSwitcher* m_switch = nullptr;
    QWidget* m_collapsed;
    // Outlines the switch while it has the keyboard.
    QFrame* m_switchFrame = nullptr;
    QPropertyAnimation* m_animation;
    std::optional<SizeLimits> m_openSize;
    bool m_hiding = false;
};

} // namespace pluginGui
