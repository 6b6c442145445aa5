#pragma once

#include <QByteArray>
#include <QColor>
#include <QPushButton>
#include <QSize>

#include <map>

class QSvgWidget;

namespace viewers::gui {

// A flat button showing an SVG icon recoloured per state, so one monochrome file serves the
// normal and the disabled look.
class IconButton : public QPushButton {
    Q_OBJECT

public:
    enum State { Normal = 0, Disabled = 1 };

    IconButton(QWidget* parent, const QString& svgPath, const QSize& iconSize, const QSize& buttonSize);

    void SetColor(int state, const QColor& color);
    void SetButtonSize(const QSize& buttonSize);
    void ScaleIcon(const QSize& iconSize);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Redraw(int state);
    void CenterIcon();

    std::map<int, QColor> m_colors;
    QByteArray m_svgSource;
    // The colour text ("#rrggbb") the source currently holds; recolouring replaces it.
    QByteArray m_currentColor;
    QSize m_iconSize;
    QSize m_buttonSize;
    QSvgWidget* m_svgWidget;
};

} // namespace viewers::gui
