// probaview: the desktop program. It needs a display; without one it says so
// and points to probaview-cli, the command-line front end over the same shell.
// --help and --version answer without a display.

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/product.h"
#include "shell/settings_store.h"
#include "window/main_window.h"
#include "window/probaview_application.h"

namespace {

constexpr const char* noDisplayMessage =
    "probaview: no graphical display could be opened (DISPLAY or WAYLAND_DISPLAY is unset or unreachable).\n"
    "probaview: it is a desktop program and needs a display; without one, use probaview-cli, its command-line "
    "version.\n";

// The platforms that draw on a screen need its address; the others
// (offscreen, vnc, ...) can run anywhere.
bool displayReachable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool needsDisplay = platform.isEmpty() || platform.contains("xcb") || platform.contains("wayland");
    if (!needsDisplay) return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A display that is named but cannot be reached makes Qt give up while the
// application object is made; say in our own words what is needed, and end
// with a plain failure instead of an abort.
QtMessageHandler defaultHandler = nullptr;

void reportFatalDisplayFailure(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (defaultHandler) defaultHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::fputs(noDisplayMessage, stderr);
    std::_Exit(EXIT_FAILURE);
}

constexpr const char* helpText =
    "Usage: probaview [Qt options]\n"
    "       probaview --help | --version\n"
    "\n"
    "Probaview, the desktop viewer of probability distributions. The window takes no\n"
    "arguments of its own; probaview-cli gives the same values on the command line.\n"
    "\n"
    "  -h, --help          show this text\n"
    "  -v, --version       show the version\n"
    "\n"
    "Qt reads its own options first, among them:\n"
    "  -platform NAME      the windowing platform: xcb, wayland, offscreen, ...\n"
    "  -display DISPLAY    the X display to use (xcb)\n"
    "  -style NAME         the widget style, e.g. Fusion\n"
    "  -reverse            lay the window out from right to left\n"
    "\n"
    "QT_SCALE_FACTOR=2 doubles the window for a high-density screen. Exit codes: 0 closed\n"
    "normally; 1 no display; 2 an unknown option; 255 the window could not be created.\n";

bool isOption(const char* argument, const char* shortName, const char* longName)
{
    return std::strcmp(argument, shortName) == 0 || std::strcmp(argument, longName) == 0;
}

// The window's outer size on the platform the layout comes from; the window
// is centred by it, as far as the window manager lets a program place itself.
constexpr int outerWidth = 618;
constexpr int outerHeight = 463;

}  // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (isOption(argv[i], "-h", "--help")) {
            std::fputs(helpText, stdout);
            return EXIT_SUCCESS;
        }
        if (isOption(argv[i], "-v", "--version")) {
            std::printf("probaview %s\n", product::version);
            return EXIT_SUCCESS;
        }
    }
    if (!displayReachable()) {
        std::fputs(noDisplayMessage, stderr);
        return EXIT_FAILURE;
    }
    defaultHandler = qInstallMessageHandler(reportFatalDisplayFailure);

    ProbaviewApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(product::applicationName));
    QApplication::setOrganizationName(QString::fromUtf8(product::makerName));
    // The launcher's entry: the desktop matches the window to it (and to its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.tessavan.Probaview"));
    qInstallMessageHandler(defaultHandler);
    // Qt has taken its own options out of the arguments; whatever is left is not ours either.
    if (const QStringList rest = QApplication::arguments().mid(1); !rest.isEmpty()) {
        std::fprintf(stderr, "probaview: unknown option %s\n(probaview --help explains the options)\n",
                     qPrintable(rest.front()));
        return 2;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/probaview/probaview_icon.png")));

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fputs("probaview: the main window cannot be created: no screen\n", stderr);
        return -1;
    }

    MainWindow window(loadGraphOptions(), [](const GraphOptions& options) { saveGraphOptions(options); });
    const QRect area = screen->geometry();
    window.move(area.x() + (area.width() - outerWidth) / 2, area.y() + (area.height() - outerHeight) / 2);
    window.show();
    if (!window.windowHandle()) {
        std::fputs("probaview: the main window cannot be created\n", stderr);
        return -1;
    }
    return QApplication::exec();
}
