#include "window/interval_panel.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>

#include "shell/shell.h"
#include "window/numeric_field.h"
#include "window/window_fonts.h"

namespace {

struct PanelRow {
    const char* label;
    IntervalField field;
    bool typed;
};

// The rows in Tab order; the central interval's high end shares its row.
constexpr PanelRow panelRows[] = {
    {"a", IntervalField::A, true},
    {"b", IntervalField::B, true},
    {"P(X < a)", IntervalField::Below, false},
    {"P(a \u2264 X \u2264 b)", IntervalField::Inside, false},
    {"P(X > b)", IntervalField::Above, false},
    {"p", IntervalField::P, true},
};

constexpr int fieldWidth = 120;

}  // namespace

IntervalPanel::IntervalPanel(Shell& shell, QWidget* parent) : QDialog(parent), shell_(shell)
{
    setWindowTitle(QStringLiteral("Interval Probability"));
    setModal(false);
    setFont(window_fonts::ui());
    auto* form = new QFormLayout(this);

    const auto makeField = [&](IntervalField which, bool typed) {
        auto* field = new NumericField(this);
        field->setFixedWidth(fieldWidth);
        field->setText(QString::fromStdString(shell_.intervalText(which)));
        if (!typed) {
            // Results read like the main window's: read-only on the button face.
            field->setReadOnly(true);
            paintAsReadOnly(field);
        }
        if (typed) {
            connect(field, &QLineEdit::textEdited, this,
                    [this, which](const QString& text) { shell_.editIntervalField(which, text.toStdString()); });
        }
        fields_[static_cast<int>(which)] = field;
        return field;
    };
    for (const PanelRow& row : panelRows) {
        QLineEdit* field = makeField(row.field, row.typed);
        form->addRow(QString::fromUtf8(row.label), field);
        field->setAccessibleName(QString::fromUtf8(row.label));
    }
    auto* central = new QHBoxLayout;
    central->addWidget(makeField(IntervalField::CentralLow, false));
    central->addWidget(makeField(IntervalField::CentralHigh, false));
    form->addRow(QStringLiteral("Central interval"), central);
}

void IntervalPanel::showText(IntervalField which, const std::string& text)
{
    field(which)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void IntervalPanel::reject()
{
    shell_.setIntervalPanelOpen(false);
    QDialog::reject();
}

void IntervalPanel::closeEvent(QCloseEvent* event)
{
    shell_.setIntervalPanelOpen(false);
    QDialog::closeEvent(event);
}
