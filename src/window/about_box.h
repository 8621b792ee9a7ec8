#pragma once

#include <QDialog>
#include <QRect>
#include <functional>

class QFont;

// A dialog layout's base units: the font's average character width and its
// cell height in pixels (a font of uiFont); a dialog unit is a quarter of the one and an eighth of the other.
struct DialogBaseUnits {
    int width;
    int height;
};

DialogBaseUnits dialogBaseUnits(const QFont& font);
QRect dialogUnitsToPixels(const QRect& units, DialogBaseUnits base);

// The modal "Probaview v1.0 :: About" box: the text block, the program's icon,
// "Visit Home Page..." and "OK". OK ends it with 1, the home-page button opens
// the home page and ends it with 1, the close box ends it with 0, and Escape
// does not close it.
class AboutBox : public QDialog {
public:
    explicit AboutBox(QWidget* parent = nullptr, std::function<void()> openHomePage = {});

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::function<void()> openHomePage_;
};

// Help > About Probaview: shows the box over `parent` and returns when it
// closes; its home-page button runs `openHomePage`.
int showAbout(QWidget* parent, std::function<void()> openHomePage);
