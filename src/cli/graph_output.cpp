#include "cli/graph_output.h"

#include <QFile>
#include <QImage>

#include "cli/gui_application.h"
#include "cli/image_file.h"
#include "graph/graph_export.h"
#include "graph/graph_image.h"

namespace {

bool endsWith(const std::string& text, std::string_view ending)
{
    if (text.size() < ending.size()) return false;
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const char c = text[text.size() - ending.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != ending[i]) return false;
    }
    return true;
}

}  // namespace

std::string writeGraphImage(const PlotRequest& request, const std::string& file)
{
    const auto application = ensureGuiApplication();

    if (endsWith(file, ".svg") || endsWith(file, ".pdf")) {
        QString error;
        if (exportGraph(request, QFile::decodeName(QByteArray::fromStdString(file)), error)) return {};
        return "cannot write the graph to " + file + ": " + error.toStdString();
    }
    const QImage image = renderGraphImage(request);
    if (image.isNull()) return "the graph could not be drawn";
    return writeImageFile(image, file, "png", "graph image");
}
