#pragma once

#include <QWidget>

#include <cstdint>

class QLabel;

namespace viewers::gui {
class ElideCheckBox;
}

namespace pluginGui {

// A filter check box followed by the count of the records it applies to, as "(7/10)" or, in
// difference mode, "(-3)". The caption is elided so that both share the widget's width.
class CheckBoxWithItemsCount final : public QWidget {
    Q_OBJECT

public:
    // fontClass: the style class (viewers::gui::StyleClass) of the caption's size.
    CheckBoxWithItemsCount(QWidget* parent, const QString& text, int fontClass);

    void SetText(const QString& text);
    void SetCheckState(Qt::CheckState state);
    bool IsChecked() const;

    // total 0 disables the whole widget and leaves the rest as it was.
    void SetCounts(std::uint64_t total, std::uint64_t shown, bool differenceMode);

signals:
    // Shows or hides the count.
    void ShowCount(bool isShow);
    void CheckBoxClicked(bool isChecked);

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void OnShowCount(bool isShow);

private:
    void ShareWidth();

    viewers::gui::ElideCheckBox* m_checkBox;
    QLabel* m_countLabel;
};

} // namespace pluginGui
