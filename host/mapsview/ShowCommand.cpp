#include "ShowCommand.h"

#include "ParsedBackup.h"
#include "PlugInHost.h"

#include "viewer/MainWindow.h"
#include "viewer/PageControls.h"

#include "cmn/WrittenFile.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFont>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTextStream>
#include <QTimer>

#include <cstring>
#include <optional>

namespace host {
namespace {

constexpr char kScreenshotOption[] = "--screenshot";
constexpr QSize kScreenshotSize(1400, 860);
// Longer than the search box's typing pause, after which it searches.
constexpr int kSearchSettleMs = 2000;
// Lets layouts, the toolbar's switch and the filter panel's Quick widget settle.
constexpr int kSettleMs = 300;
// The map reads its world map's files in the background when it first opens.
constexpr int kMapSettleMs = 1500;
constexpr int kUsageError = 2;
// The pages are laid out for the viewer's compact font.
constexpr int kFontPixelSize = 12;

struct ShowArguments {
    QString backupPath;
    QString screenshotPath;
    std::optional<int> category;
    QString searchText;
    bool showMap = false;
};

void PrintShowUsage(QTextStream& err)
{
    err << QCoreApplication::translate(
        "cmn", "Usage: mapsview show [PATH] [--screenshot OUT.png [--category 0-3] [--search TEXT] [--map]]")
        << Qt::endl;
}

std::optional<ShowArguments> ParseArguments(const QStringList& arguments)
{
    ShowArguments parsed;
    for (int index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (argument == QLatin1String("--map")) {
            parsed.showMap = true;
            continue;
        }
        if (!argument.startsWith(QLatin1String("--"))) {
            if (!parsed.backupPath.isEmpty())
                return std::nullopt;
            parsed.backupPath = argument;
            continue;
        }
        if (index + 1 >= arguments.size())
            return std::nullopt;
        const QString& value = arguments.at(++index);
        if (argument == QLatin1String(kScreenshotOption)) {
            parsed.screenshotPath = value;
        } else if (argument == QLatin1String("--search")) {
            parsed.searchText = value;
        } else if (argument == QLatin1String("--category")) {
            bool isNumber = false;
            const int category = value.toInt(&isNumber);
            if (!isNumber || category < 0 || category > 3)
                return std::nullopt;
            parsed.category = category;
        } else {
            return std::nullopt;
        }
    }
    // --category, --search and --map script a screenshot, and a screenshot needs a backup.
    const bool screenshot = !parsed.screenshotPath.isEmpty();
    if ((!screenshot && (parsed.category || !parsed.searchText.isEmpty() || parsed.showMap))
        || (screenshot && parsed.backupPath.isEmpty()))
        return std::nullopt;
    return parsed;
}

void Wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool WaitForBackup(viewer::MainWindow& window, const QString& path)
{
    QEventLoop loop;
    std::optional<bool> pageShown;
    QObject::connect(&window, &viewer::MainWindow::BackupOpened, &loop, [&](bool shown) {
        pageShown = shown;
        loop.quit();
    });
    window.OpenBackup(path);
    // A path that names no backup is answered at once.
    if (!pageShown)
        loop.exec();
    return pageShown.value_or(false);
}

// Drives the page as the user would and saves what the window shows; the reason when it fails.
QString TakeScreenshot(viewer::MainWindow& window, const ShowArguments& arguments)
{
    window.resize(kScreenshotSize);
    window.show();
    if (!WaitForBackup(window, arguments.backupPath))
        return QCoreApplication::translate("cmn", "No page to take a screenshot of: %1")
            .arg(window.statusBar()->currentMessage());
    if (arguments.category && !viewer::PressCategoryButton(window.Page(), *arguments.category))
        return QCoreApplication::translate("cmn", "The page has no category %1.").arg(*arguments.category);
    if (arguments.showMap) {
        if (!viewer::ShowPageMap(window.Page()))
            return QCoreApplication::translate("cmn", "The page has no map.");
        Wait(kMapSettleMs);
    }
    if (!arguments.searchText.isEmpty()) {
        QLineEdit* searchLine = viewer::FindSearchLine(window.Page());
        if (!searchLine)
            return QCoreApplication::translate("cmn", "The page has no search box.");
        searchLine->setText(arguments.searchText);
        Wait(kSearchSettleMs);
    }
    Wait(kSettleMs);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !window.grab().save(&buffer, "PNG")
        || !ulq::cmn::utils::WriteWholeFile(arguments.screenshotPath, png))
        return QCoreApplication::translate("cmn", "Cannot write %1.").arg(arguments.screenshotPath);
    return {};
}

// The window keeps its usual size where the screen has room for it; a smaller screen it fills
// rather than run off it and leave the export button and the status bar out of reach.
void ShowOnScreen(viewer::MainWindow& window)
{
    window.resize(kScreenshotSize);
    const QScreen* screen = window.screen();
    const QSize available = screen ? screen->availableSize() : kScreenshotSize;
    if (available.width() < kScreenshotSize.width() || available.height() < kScreenshotSize.height())
        window.showMaximized();
    else
        window.show();
}

} // namespace

bool IsOffscreenShow(int argc, char* argv[])
{
    if (argc < 2 || std::strcmp(argv[1], "show") != 0)
        return false;
    for (int index = 2; index < argc; ++index) {
        if (std::strcmp(argv[index], kScreenshotOption) == 0)
            return true;
    }
    return false;
}

int RunShowCommand(const QStringList& arguments)
{
    QTextStream err(stderr);
    const std::optional<ShowArguments> parsed = ParseArguments(arguments);
    if (!parsed) {
        PrintShowUsage(err);
        return kUsageError;
    }
    if (!parsed->screenshotPath.isEmpty() && !MayWriteExport(parsed->backupPath, parsed->screenshotPath, err))
        return 1;
    PlugInHost plugInHost;
    QString error;
    if (!plugInHost.Load(&error)) {
        err << error << Qt::endl;
        return 1;
    }
    QFont font = QApplication::font();
    font.setPixelSize(kFontPixelSize);
    QApplication::setFont(font);
    viewer::MainWindow window(plugInHost);
    if (!parsed->screenshotPath.isEmpty()) {
        error = TakeScreenshot(window, *parsed);
        window.close();
        if (!error.isEmpty()) {
            err << error << Qt::endl;
            return 1;
        }
        return 0;
    }
    ShowOnScreen(window);
    if (!parsed->backupPath.isEmpty())
        window.OpenBackup(parsed->backupPath);
    return QApplication::exec();
}

} // namespace host
