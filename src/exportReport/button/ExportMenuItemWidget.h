#pragma once

#include <QWidget>

class QLabel;

namespace pluginGui {

// The face of one export-menu entry: its text, on a light grey band while the mouse is over it.
class ExportMenuItemWidget : public QWidget {
    Q_OBJECT

public:
    explicit ExportMenuItemWidget(const QString& text, QWidget* parent = nullptr);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_label;
    bool m_hovered = false;
};

} // namespace pluginGui
