#include "CellPainting.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QPainter>

namespace test {

CellTable::CellTable(int columnWidth, int rowCount)
    : model(rowCount, 1)
{
    view.setModel(&model);
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.setColumnWidth(0, columnWidth);
    view.resize(columnWidth + 40, 40 * (rowCount + 1));
}

QStyleOptionViewItem CellTable::OptionFor(const QModelIndex& index) const
{
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.font = view.font();
    option.rect = view.visualRect(index);
    return option;
}

QImage PaintCell(const QAbstractItemDelegate& delegate, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    QImage image(option.rect.right() + 1, option.rect.bottom() + 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    delegate.paint(&painter, option, index);
    return image;
}

bool HasColorRightOf(const QImage& image, QRgb color, int x)
{
    for (int column = x + 1; column < image.width(); ++column) {
        for (int row = 0; row < image.height(); ++row) {
            if (image.pixel(column, row) == color)
                return true;
        }
    }
    return false;
}

} // namespace test
