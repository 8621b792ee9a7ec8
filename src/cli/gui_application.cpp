#include "cli/gui_application.h"

std::unique_ptr<QGuiApplication> ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "probaview-cli";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance()) return nullptr;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}
