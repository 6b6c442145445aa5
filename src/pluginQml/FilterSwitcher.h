#pragma once

#include <QQuickWidget>

namespace pluginQml {

// The filter panel's on/off switch. Its look is the host's QML control
// "qrc:/Resources/qml/FilterSwitcher.qml"; states are Qt check states (0 off, 2 on).
class FilterSwitcher final : public QQuickWidget {
    Q_OBJECT

public:
    explicit FilterSwitcher(QWidget* parent = nullptr);

    // False as well when the host supplied no control.
    bool IsChecked();
    // The switch reports the change through SwitchStateChanged.
    void SetCheckState(int state);

signals:
    void SwitchStateChanged(int state);

private slots:
    void OnSwitchOn();
    void OnSwitchOff();

private:
    QVariant Invoke(const char* method, const QVariant& argument = QVariant());
};

} // namespace pluginQml
