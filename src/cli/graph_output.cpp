#include "cli/graph_output.h"

#include <QFile>
#include <QImage>

#include "cli/gui_application.h"
#include "cli/image_file.h"
#include "graph/graph_export.h"
#include "graph/graph_image.h"

std::string writeGraphImage(const PlotRequest& request, const std::string& file)
{
    const auto application = ensureGuiApplication();

    const QString path = QFile::decodeName(QByteArray::fromStdString(file));
    if (isVectorGraphPath(path)) {
        QString error;
        if (exportGraph(request, path, error)) return {};
        return "cannot write the graph to " + file + ": " + error.toStdString();
    }
    const QImage image = renderGraphImage(request);
    if (image.isNull()) return "the graph could not be drawn";
    return writeImageFile(image, file, "png", "graph image");
}
