#pragma once

#include <QWidget>

namespace viewers::gui {

// The placeholder a page shows instead of its table when a search finds nothing.
class NoResultsWidget : public QWidget {
    Q_OBJECT

public:
    explicit NoResultsWidget(QWidget* parent = nullptr);
};

} // namespace viewers::gui
