#include "FilterSwitcher.h"

#include "CryptLog/log/Log.h"

#include <QQuickItem>

namespace pluginQml {

namespace {

constexpr char SourceUrl[] = "qrc:/Resources/qml/FilterSwitcher.qml";
constexpr char BackgroundColor[] = "#F1F1F2";

} // namespace

FilterSwitcher::FilterSwitcher(QWidget* parent)
    : QQuickWidget(parent)
{
    setResizeMode(QQuickWidget::SizeRootObjectToView);
    setSource(QUrl(QString::fromLatin1(SourceUrl)));
    QQuickItem* root = rootObject();
    if (root == nullptr) {
        for (const QQmlError& error : errors())
            LOG_ERROR << "Can't load the filter switch: " << error.toString();
        return;
    }
    connect(root, SIGNAL(filterOn()), this, SLOT(OnSwitchOn()));
    connect(root, SIGNAL(filterOff()), this, SLOT(OnSwitchOff()));
    Invoke("setBackgroundColor", QString::fromLatin1(BackgroundColor));
}

bool FilterSwitcher::IsChecked()
{
    return Invoke("isChecked").toBool();
}

void FilterSwitcher::SetCheckState(int state)
{
    Invoke("setChecked", state == Qt::Checked);
}

void FilterSwitcher::OnSwitchOn()
{
    emit SwitchStateChanged(Qt::Checked);
}

void FilterSwitcher::OnSwitchOff()
{
    emit SwitchStateChanged(Qt::Unchecked);
}

QVariant FilterSwitcher::Invoke(const char* method, const QVariant& argument)
{
    QQuickItem* root = rootObject();
    QVariant result;
    if (root == nullptr) {
        LOG_DEBUG << "No filter switch control to call " << method;
        return result;
    }
    const bool invoked = argument.isValid()
        ? QMetaObject::invokeMethod(root, method, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, argument))
        : QMetaObject::invokeMethod(root, method, Q_RETURN_ARG(QVariant, result));
    if (!invoked) {
        LOG_DEBUG << "The filter switch control has no method " << method;
    }
    return result;
}

} // namespace pluginQml
