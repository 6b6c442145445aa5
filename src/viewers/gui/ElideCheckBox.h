#pragma once

#include "viewers/gui/ElideWidget.h"

#include <QCheckBox>

namespace viewers::gui {

// A check box whose caption is cut to its width instead of widening the layout.
class ElideCheckBox : public QCheckBox, public ElideWidget {
    Q_OBJECT

public:
    explicit ElideCheckBox(QWidget* parent = nullptr, int reservedWidth = 0);

    // The full caption; QAbstractButton::setText would bypass the eliding.
    void SetText(const QString& text);

    // Wide enough for the full caption, yet free to shrink down to the indicator.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    int DecorationWidth() const override;
    void ShowElidedText(const QString& elided, const QString& toolTip) override;
};

} // namespace viewers::gui
