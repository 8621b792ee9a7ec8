#include "cli/report_output.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <memory>

#include "app/report_content.h"
#include "app/shell.h"
#include "graph/graph_image.h"
#include "graph/report.h"

std::string writeReport(const Shell& shell, const std::string& file)
{
    // Text and the graph need a QGuiApplication; the command line must work without a display.
    static int argc = 1;
    static char name[] = "probaview-cli";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QGuiApplication> application;
    if (!QCoreApplication::instance()) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    }

    const QImage graph = renderGraphImage(shell.plotRequest());
    if (!printReportToPdf(reportContent(shell, graph), QFile::decodeName(QByteArray::fromStdString(file))))
        return "cannot write the report to " + file;
    return {};
}
