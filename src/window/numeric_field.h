#pragma once

#include <QLineEdit>

// Read-only fields take the button-face colour, as the read-only edit fields
// of the platform the layout comes from do.
void paintAsReadOnly(QLineEdit* field);

// A single-line field that takes only the characters of a plain decimal
// number, typed or pasted (rules in numeric_filter.h). Text set by the program
// is shown as set. Enter raises returnPressedInField before the field sees it.
class NumericField : public QLineEdit {
    Q_OBJECT

public:
    explicit NumericField(QWidget* parent = nullptr);

    // Pastes the clipboard's text when the paste rules allow it; every paste
    // path of the field (keys, context menu, middle button) comes here.
    void pasteFiltered();

signals:
    void returnPressedInField(NumericField* field);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pasteFrom(const QString& clipboardText);
};
