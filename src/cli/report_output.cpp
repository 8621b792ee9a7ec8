#include "cli/report_output.h"

#include <QFile>
#include <QImage>

#include "cli/gui_application.h"
#include "graph/graph_image.h"
#include "graph/report.h"
#include "shell/report_content.h"
#include "shell/shell.h"

std::string writeReport(const Shell& shell, const std::string& file)
{
    const auto application = ensureGuiApplication();

    const QImage graph = renderGraphImage(shell.plotRequest());
    if (!printReportToPdf(reportContent(shell, graph), QFile::decodeName(QByteArray::fromStdString(file))))
        return "cannot write the report to " + file;
    return {};
}
