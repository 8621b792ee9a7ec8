#include "window/graph_area.h"

#include <QPainter>

GraphArea::GraphArea(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void GraphArea::setImage(const QImage& image)
{
    image_ = image;
    ++imagesReceived_;
    update();
    emit imageChanged();
}

void GraphArea::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}
