#pragma once

class QWidget;
struct ReportContent;

// Print...: the print dialog over `parent`, starting from the default printer
// every time, without page ranges or a selection; then the report's page on
// the chosen printer (a PDF file is one of them). A cancelled dialog does
// nothing. Returns whether the page was printed.
bool printReportWithDialog(QWidget* parent, const ReportContent& content);
