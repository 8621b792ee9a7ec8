#pragma once

#include <QFrame>
#include <QImage>

// The graph area: shows the last image the renderer handed over, inside a
// one-pixel sunken edge. It never draws a graph itself.
class GraphArea : public QFrame {
    Q_OBJECT

public:
    explicit GraphArea(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    int imagesReceived() const { return imagesReceived_; }

signals:
    void imageChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    int imagesReceived_ = 0;
};
