#include "cli/graph_output.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <memory>

#include "graph/graph_image.h"

std::string writeGraphImage(const PlotRequest& request, const std::string& file)
{
    // Drawing text needs a QGuiApplication; the command line must work without a display.
    static int argc = 1;
    static char name[] = "probaview-cli";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QGuiApplication> application;
    if (!QCoreApplication::instance()) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    }

    const QImage image = renderGraphImage(request);
    if (image.isNull()) return "the graph could not be drawn";
    if (!image.save(QFile::decodeName(QByteArray::fromStdString(file)), "PNG"))
        return "cannot write the graph image to " + file;
    return {};
}
