#pragma once

#include <QWidget>

// The main window's client area below the menu bar: a fixed-size surface in the
// button-face colour that holds the controls and paints the two footer texts.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
