#pragma once

#include <QHeaderView>

namespace pluginGui {

// The horizontal header of category tables: dark grey sections framed in the grid colour, white
// centred captions and a white triangle on the sort column.
class TableViewHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit TableViewHeader(QWidget* parent);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

    // The caption and, on the sort column, the sort triangle; the section is already filled.
    virtual void PaintSectionContents(QPainter* painter, const QRect& rect, int logicalIndex) const;
};

} // namespace pluginGui
