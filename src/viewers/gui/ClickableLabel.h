#pragma once

#include <QLabel>

namespace viewers::gui {

// A label that reports every mouse release as a click (the calendar icon of the date editor).
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace viewers::gui
