#include "window/print_command.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "graph/report.h"

bool printReportWithDialog(QWidget* parent, const ReportContent& content)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return false;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = printReport(printer, content);
    QApplication::restoreOverrideCursor();
    return printed;
}
