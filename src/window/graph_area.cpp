#include "window/graph_area.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace {

class GraphAreaAccessible : public QAccessibleWidget {
public:
    explicit GraphAreaAccessible(GraphArea* area) : QAccessibleWidget(area, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) return static_cast<const GraphArea*>(widget())->description();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* graphAreaAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("GraphArea") && object && object->isWidgetType()) {
        return new GraphAreaAccessible(static_cast<GraphArea*>(object));
    }
    return nullptr;
}

}  // namespace

GraphArea::GraphArea(QWidget* parent) : QFrame(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(graphAreaAccessible);
        return true;
    }();
    (void)factoryInstalled;
    setAccessibleName(QStringLiteral("Graph"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void GraphArea::setImage(const QImage& image)
{
    image_ = image;
    ++imagesReceived_;
    update();
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    emit imageChanged();
}

void GraphArea::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}
