#include "window/help_fallback.h"

#include <QMessageBox>

#include "shell/help_services.h"
#include "shell/product.h"

namespace {
constexpr QSize helpWindowSize(720, 640);
}

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(product::title) + QStringLiteral(" Help"));
    setAccessibleName(QStringLiteral("Help"));
    setOpenLinks(true);
    setOpenExternalLinks(true);
    resize(helpWindowSize);
    setSource(embeddedHelpUrl());
}

QMessageBox* showAddressMessage(QWidget* parent, const QString& address)
{
    auto* message =
        new QMessageBox(QMessageBox::Information, QString::fromLatin1(product::title),
                        QStringLiteral("No web browser could be started. The home page is:\n\n%1").arg(address),
                        QMessageBox::Ok, parent);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    message->open();
    return message;
}
