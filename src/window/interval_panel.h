#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "shell/shell_view.h"

class QLineEdit;
class Shell;

// The interval panel: a small window beside the main window where the user
// types the ends a and b and a probability p, and reads P(X < a),
// P(a <= X <= b), P(X > b) and the central interval holding p. A thin view
// over the shell: edits go to its commands, its texts come back through
// showText. Closing the panel tells the shell, which stops the shading.
class IntervalPanel : public QDialog {
    Q_OBJECT

public:
    IntervalPanel(Shell& shell, QWidget* parent);

    QLineEdit* field(IntervalField field) const { return fields_[static_cast<int>(field)]; }
    void showText(IntervalField field, const std::string& text);

    // Closing, by the title bar or Escape, ends the panel's part in the graph.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Shell& shell_;
    std::array<QLineEdit*, intervalFieldCount> fields_{};
};
