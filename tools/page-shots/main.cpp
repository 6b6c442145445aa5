#include "qml/QuickControls.h"
#include "sample/SampleBackup.h"

#include "appleMaps/AppleMapsPlugIn.h"
#include "core/CategoryViewBase.h"
#include "core/interfaces/ICategoryPlugIn.h"
#include "pluginGui/ClickableLabelBase.h"
#include "pluginGui/ToolbarBase.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFont>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <iostream>
#include <memory>

// Renders the Apple Maps page over a sample backup, once per category with a search under way,
// into OUT_FOLDER/page-<category>.png. Run it under QT_QPA_PLATFORM=offscreen to need no display:
//   maps-page-shots OUT_FOLDER [SEARCH_TEXT]

namespace {

constexpr QSize WindowSize(1280, 760);
// Longer than the search box's typing pause.
constexpr int SettleMs = 700;

void Wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void Click(QWidget* widget)
{
    const QPoint centre = widget->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    host::InitQuickControls();
    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        std::cerr << "usage: maps-page-shots OUT_FOLDER [SEARCH_TEXT]\n";
        return 2;
    }
    const QDir outFolder(arguments.at(1));
    const QString searchText = arguments.value(2, QStringLiteral("Paris"));

    QTemporaryDir backupFolder;
    QTemporaryDir tempFolder;
    host::sample::SampleOptions options;
    options.rowsPerTable = 40;
    host::sample::WriteSampleBackup(backupFolder.path(), options);

    appleMaps::AppleMapsPlugIn plugIn;
    core::IPlugInBase& host = plugIn;
    host.SetTempPath(tempFolder.path().toStdWString());
    host.SetDataPath(QDir(backupFolder.path()).filePath(QLatin1String(host::sample::kDescriptorFileName)));
    host.Parse();
    host.CreateView();
    const std::unique_ptr<core::CategoryViewBase> page(host.GetCategoryPlugIn()->TakeView());
    if (!page) {
        std::cerr << "the sample backup gave no page\n";
        return 1;
    }
    viewers::gui::ApplyStyle(viewers::gui::StyleGroup::Widget, viewers::gui::StyleClass::None, page.get());
    page->resize(WindowSize);
    page->show();
    page->findChild<QLineEdit*>(QStringLiteral("leSearch"))->setText(searchText);
    Wait(SettleMs);

    const auto* toolbar = page->findChild<pluginGui::ToolbarBase*>();
    int failures = 0;
    for (pluginGui::ClickableLabelBase* button : toolbar->GetButtons()) {
        Click(button);
        Wait(SettleMs);
        const QString path = outFolder.filePath(QStringLiteral("page-%1.png").arg(button->GetCategory()));
        if (!page->grab().save(path, "PNG")) {
            std::cerr << "cannot write " << path.toStdString() << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
