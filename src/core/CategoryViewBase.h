#pragma once

#include <QWidget>

namespace core {

// Base of a category's page. The host owns the page once it has taken it; before letting it go
// the plug-in emits AboutToShutdownSignal from a worker thread, which waits until the GUI thread
// has run PrepareForShutdown.
class CategoryViewBase : public QWidget {
    Q_OBJECT

public:
    explicit CategoryViewBase(QWidget* parent = nullptr);

    // The plug-in's data is complete: the page fills its statistics.
    virtual void NotifyCategoryLoaded() = 0;
    virtual bool IsCategoryView() const { return true; }
    virtual void PrepareForShutdown() = 0;

signals:
    void AboutToShutdownSignal();

public slots:
    void OnAboutToShutdown();
};

} // namespace core
