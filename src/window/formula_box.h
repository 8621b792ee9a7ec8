#pragma once

#include <QFrame>
#include <QImage>
#include <array>
#include <functional>

#include "model/catalogue.h"

// The formula box of the main window: the picture of the selected function of
// the selected distribution, 306 x 62 with a sunken one-pixel edge. The picture
// is ANDed onto the button face, so its white ground takes the face's colour and
// its dark ink darkens it. A pair without a picture shows the bare face.
//
// Each picture is loaded the first time its pair is painted and kept until the
// box goes away; a pair without a picture is looked up again on every paint.
// On a high-density screen the shown part is scaled smoothly to the device's
// pixels and multiplied onto the face, which for black and white ink is the
// same as ANDing it.
class FormulaBox : public QFrame {
public:
    using PictureLoader = std::function<QImage(int number)>;

    // The loader turns a picture number into an image (a null one for none);
    // loadFormulaPicture unless a caller gives another.
    explicit FormulaBox(QWidget* parent = nullptr, PictureLoader loader = {});

    // Shows function f of distribution d and repaints: the view's answer to the
    // shell's formulaChanged.
    void setSelection(int d, int f);
    int distribution() const { return distribution_; }
    int function() const { return function_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The cached picture of (d, f), loading it on first use; null for none.
    const QImage& picture(int d, int f);

    // The shown part of a picture at the device's density, kept for the pair last painted.
    const QImage& scaledPart(const QImage& picture, double ratio);

    PictureLoader loader_;
    QImage scaled_;
    const QImage* scaledFrom_ = nullptr;
    std::array<std::array<QImage, shownFunctionCount>, distributionCount> cache_;
    int distribution_ = defaultDistribution;
    int function_ = 0;
};
