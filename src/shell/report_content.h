#pragma once

#include <QImage>

#include "graph/report.h"

class Shell;

// The printed page's content for the shell's current state: every text as the
// window shows it, the formula pictures of the distribution's density (or
// mass) and of the selected function, and `graph`, the graph area's image.
ReportContent reportContent(const Shell& shell, const QImage& graph);
