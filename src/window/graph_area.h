#pragma once

#include <QFrame>
#include <QImage>
#include <functional>

// The graph area: shows the last image the renderer handed over, inside a
// one-pixel sunken edge. It never draws a graph itself.
//
// To a screen reader it is the graphic "Graph" whose description says what
// it shows; the description is made only when one asks for it.
class GraphArea : public QFrame {
    Q_OBJECT

public:
    explicit GraphArea(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    void setDescriber(std::function<QString()> describe) { describe_ = std::move(describe); }
    QString description() const { return describe_ ? describe_() : QString(); }
    const QImage& image() const { return image_; }
    int imagesReceived() const { return imagesReceived_; }

signals:
    void imageChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    int imagesReceived_ = 0;
    std::function<QString()> describe_;
};
