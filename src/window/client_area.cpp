#include "window/client_area.h"

#include <QPainter>

#include "shell/product.h"
#include "window/control_table.h"
#include "window/window_fonts.h"

namespace {

// Disabled-looking text: a light highlight one pixel down and right, the grey
// text over it.
void drawEmbossedText(QPainter& painter, const FooterText& where, const QString& text, const QPalette& palette)
{
    painter.setFont(window_fonts::footer(where.fontHeight));
    const QRect box(where.x, where.y, footerBoxWidth, footerBoxHeight);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    painter.setPen(palette.color(QPalette::Light));
    painter.drawText(box.translated(1, 1), flags, text);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawText(box, flags, text);
}

}  // namespace

ClientArea::ClientArea(QWidget* parent) : QWidget(parent)
{
    setFixedSize(clientWidth, clientHeight);
    QPalette area = palette();
    area.setColor(QPalette::Window, area.color(QPalette::Button));
    setPalette(area);
    setAutoFillBackground(true);
}

void ClientArea::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    drawEmbossedText(painter, footerTitle, QString::fromUtf8(product::title), palette());
    drawEmbossedText(painter, footerAddress, QString::fromUtf8(product::makerWebAddress), palette());
}
