#include "window/formula_box.h"

#include <QPainter>

#include "graph/formula_picture.h"
#include "graph/formula_text.h"

namespace {

constexpr int boxWidth = 306;
constexpr int boxHeight = 62;
// The part of a picture the box shows: its top-left corner, the size of the
// area inside the edge. Taller pictures are cut at the bottom.
constexpr QRect shownPart(0, 0, 304, 60);

const QImage noPicture;

}  // namespace

FormulaBox::FormulaBox(QWidget* parent, PictureLoader loader)
    : QFrame(parent), loader_(loader ? std::move(loader) : PictureLoader(loadFormulaPicture))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(boxWidth, boxHeight);
    setToolTip(QStringLiteral("Formula"));
    setAccessibleName(QStringLiteral("Formula"));
    setSelection(distribution_, function_);
}

void FormulaBox::setSelection(int d, int f)
{
    distribution_ = d;
    function_ = f;
    const bool shown = d >= 0 && d < distributionCount && f >= 0 && f < shownFunctionCount;
    setAccessibleDescription(shown ? formulaText(formulaPictureNumber(d, shownFunctionAt(f))) : QString());
    update();
}

const QImage& FormulaBox::picture(int d, int f)
{
    if (d < 0 || d >= distributionCount || f < 0 || f >= shownFunctionCount) return noPicture;
    QImage& entry = cache_[d][f];
    if (entry.isNull()) entry = loader_(formulaPictureNumber(d, shownFunctionAt(f)));
    return entry;
}

const QImage& FormulaBox::scaledPart(const QImage& picture, double ratio)
{
    if (scaledFrom_ != &picture || scaled_.devicePixelRatio() != ratio) {
        const QRect part = shownPart.intersected(picture.rect());
        scaled_ = picture.copy(part)
                      .convertToFormat(QImage::Format_RGB32)
                      .scaled((QSizeF(part.size()) * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(ratio);
        scaledFrom_ = &picture;
    }
    return scaled_;
}

void FormulaBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        const QRect inside = contentsRect();
        painter.fillRect(inside, palette().color(QPalette::Button));
        const QImage& shown = picture(distribution_, function_);
        const double ratio = devicePixelRatioF();
        if (!shown.isNull() && ratio == 1.0) {
            painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            painter.drawImage(inside.topLeft(), shown, shownPart);
        } else if (!shown.isNull()) {
            painter.setCompositionMode(QPainter::CompositionMode_Multiply);
            painter.drawImage(inside.topLeft(), scaledPart(shown, ratio));
        }
    }
    // The edge is drawn last, over the picture, as the frame's own painting.
    QFrame::paintEvent(event);
}
