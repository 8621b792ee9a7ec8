#include "cli/graph_output.h"

#include <QImage>

#include "cli/gui_application.h"
#include "cli/image_file.h"
#include "graph/graph_image.h"

std::string writeGraphImage(const PlotRequest& request, const std::string& file)
{
    const auto application = ensureGuiApplication();

    const QImage image = renderGraphImage(request);
    if (image.isNull()) return "the graph could not be drawn";
    return writeImageFile(image, file, "png", "graph image");
}
