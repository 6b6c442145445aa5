#pragma once

#include <QString>

class QWidget;

namespace viewers::gui {

// The eliding part of a widget that shows one line of text: it keeps the full text and shows it
// cut to the width there is, with the full text as tool tip when something was cut. The widget
// that mixes it in shows the result and calls Elide() when its width changes.
class ElideWidget {
public:
    ElideWidget(QWidget* target, int reservedWidth);
    virtual ~ElideWidget() = default;

    ElideWidget(const ElideWidget&) = delete;
    ElideWidget& operator=(const ElideWidget&) = delete;

    void SetFullText(const QString& text);
    const QString& GetFullText() const;
    const QString& GetElidedText() const;

    // The width the whole widget may take when it is not its own width (a layout neighbour
    // shares the row with it); negative: the widget's own width.
    void SetAvailableWidth(int width);

protected:
    void Elide();

    // Pixels of the widget that are not text (an indicator, its spacing).
    virtual int DecorationWidth() const = 0;
    virtual void ShowElidedText(const QString& elided, const QString& toolTip) = 0;

private:
    QWidget* m_target;
    int m_reservedWidth;
    QString m_fullText;
    QString m_elidedText;
    int m_availableWidth = -1;
};

} // namespace viewers::gui
