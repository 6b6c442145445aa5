#pragma once

#include <QRect>
#include <QWidget>

class QBoxLayout;
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

private slots:
    void OnAnimationFinished();

private:
    QWidget* CreateHeader(int spacerHeight);
    QWidget* CreateCollapsedPart();
    void ShowFilterIcon(bool active);
    // The geometry with only the strip next to the anchor left in view.
    QRect SlidOutGeometry(const QRect& open) const;

    bool m_leftAnchored;
    QWidget* m_expanded;
    QVBoxLayout* m_controlsLayout = nullptr;
    QPushButton* m_hideButton = nullptr;
    viewers::gui::IconButton* m_filterIcon = nullptr;
    pluginQml::FilterSwitcher* m_switch = nullptr;
    QWidget* m_collapsed;
    QPropertyAnimation* m_animation;
    QRect m_openGeometry;
    bool m_hiding = false;
};

} // namespace pluginGui
