#include "cli/graph_output.h"

#include <QFile>
#include <QImage>
#include <QString>

#include "cli/gui_application.h"
#include "graph/graph_image.h"

std::string writeGraphImage(const PlotRequest& request, const std::string& file)
{
    const auto application = ensureGuiApplication();

    const QImage image = renderGraphImage(request);
    if (image.isNull()) return "the graph could not be drawn";
    if (!image.save(QFile::decodeName(QByteArray::fromStdString(file)), "PNG"))
        return "cannot write the graph image to " + file;
    return {};
}
