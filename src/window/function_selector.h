#pragma once

#include <QButtonGroup>
#include <QWidget>

class QPushButton;

// The function selector: flat buttons of one group, one per function, sized to
// their texts from the left. It is one Tab stop; the arrow keys move the
// selection. `activated` reports a user's choice only, never setCurrentIndex.
class FunctionSelector : public QWidget {
    Q_OBJECT

public:
    explicit FunctionSelector(QWidget* parent = nullptr);

    // Adds the item for the next function index, with its tooltip.
    void addItem(const QString& text, const QString& tooltip);
    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QPushButton* button(int index) const;

signals:
    void activated(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void choose(int index);
    void showFocus(bool focused);

    QButtonGroup group_;
    int nextX_ = 0;
};
