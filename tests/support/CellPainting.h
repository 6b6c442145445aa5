#pragma once

#include <QImage>
#include <QStandardItemModel>
#include <QStringList>
#include <QStyleOptionViewItem>
#include <QTableView>

class QAbstractItemDelegate;
class QSyntaxHighlighter;

namespace test {

// A one-column table of the given width whose cells the delegate tests paint and hit-test.
struct CellTable {
    CellTable(int columnWidth, int rowCount);

    QStyleOptionViewItem OptionFor(const QModelIndex& index) const;

    QStandardItemModel model;
    QTableView view;
};

// The cell painted on white, at its place in the viewport: the image reaches from the origin to
// the cell's bottom-right corner.
QImage PaintCell(const QAbstractItemDelegate& delegate, const QStyleOptionViewItem& option, const QModelIndex& index);

// Whether the image holds a pixel of the given colour right of column x.
bool HasColorRightOf(const QImage& image, QRgb color, int x);

// The delegate under test, remembering every text it drew.
template <typename Delegate>
class Recording : public Delegate {
public:
    using Delegate::Delegate;

    void DrawText(QPainter* painter, const QString& text, const QRect& rect, const QFont& font,
                  QSyntaxHighlighter* highlighter) const override
    {
        drawn.append(text);
        Delegate::DrawText(painter, text, rect, font, highlighter);
    }

    mutable QStringList drawn;
};

} // namespace test
