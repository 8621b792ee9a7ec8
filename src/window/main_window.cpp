#include "window/main_window.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <QToolTip>

#include "graph/formula_picture.h"
#include "graph/graph_export.h"
#include "graph/graph_image.h"
#include "graph/graph_renderer.h"
#include "graph/report.h"
#include "model/catalogue.h"
#include "model/value_text.h"
#include "shell/graph_description.h"
#include "shell/help_services.h"
#include "shell/product.h"
#include "shell/report_content.h"
#include "shell/symbol_text.h"
#include "window/about_box.h"
#include "window/client_area.h"
#include "window/formula_box.h"
#include "window/function_selector.h"
#include "window/graph_area.h"
#include "window/help_fallback.h"
#include "window/interval_panel.h"
#include "window/menu_table.h"
#include "window/numeric_field.h"
#include "window/print_command.h"
#include "window/window_fonts.h"

namespace {

// The shell's fields and the controls that show them.
constexpr std::array<std::pair<Field, ControlRole>, fieldCount> fieldControls = {{
    {Field::Parameter1, ControlRole::ParameterField1},
    {Field::Parameter2, ControlRole::ParameterField2},
    {Field::X, ControlRole::XField},
    {Field::Pdf, ControlRole::DensityValue},
    {Field::Cdf, ControlRole::DistributionValue},
    {Field::Survival, ControlRole::SurvivalValue},
    {Field::Hazard, ControlRole::HazardValue},
    {Field::Q, ControlRole::QField},
    {Field::Quantile, ControlRole::QuantileValue},
    {Field::Mean, ControlRole::MeanValue},
    {Field::StandardDeviation, ControlRole::StandardDeviationValue},
    {Field::CoefficientOfVariation, ControlRole::CoefficientOfVariationValue},
    {Field::Skewness, ControlRole::SkewnessValue},
    {Field::Kurtosis, ControlRole::KurtosisValue},
}};

constexpr std::array<std::pair<Label, ControlRole>, labelCount> labelControls = {{
    {Label::ParameterSymbol1, ControlRole::ParameterSymbol1},
    {Label::ParameterSymbol2, ControlRole::ParameterSymbol2},
    {Label::ParameterDomain1, ControlRole::ParameterDomain1},
    {Label::ParameterDomain2, ControlRole::ParameterDomain2},
}};

// What a screen reader calls each control: the label a sighted user reads
// beside it. The parameter fields take their symbols as these change.
constexpr std::array<std::pair<ControlRole, const char*>, 16> accessibleNames = {{
    {ControlRole::DistributionList, "Distribution"},
    {ControlRole::FunctionSelector, "Function"},
    {ControlRole::XField, "x"},
    {ControlRole::DensityValue, "f"},
    {ControlRole::DistributionValue, "F"},
    {ControlRole::SurvivalValue, "S"},
    {ControlRole::HazardValue, "h"},
    {ControlRole::QField, "q"},
    {ControlRole::QuantileValue, "x"},
    {ControlRole::MeanValue, "Mean"},
    {ControlRole::StandardDeviationValue, "Standard Deviation"},
    {ControlRole::CoefficientOfVariationValue, "Coefficient of Variation"},
    {ControlRole::SkewnessValue, "Skewness"},
    {ControlRole::KurtosisValue, "Kurtosis"},
    {ControlRole::ParameterField1, "Parameter 1"},
    {ControlRole::ParameterField2, "Parameter 2"},
}};

ControlRole roleOf(Field field) { return fieldControls[static_cast<int>(field)].second; }

// A field's description for a screen reader: its tip on one line, then the value it shows.
QString fieldDescription(ControlRole role, const QString& text)
{
    const char* tip = controlSpec(role).tooltip;
    QString what = tip ? QString::fromUtf8(tip).remove(QLatin1Char('\n')) : QString();
    return what + QStringLiteral(": ") + (text.isEmpty() ? QStringLiteral("empty") : text);
}

ControlRole roleOf(Label label) { return labelControls[static_cast<int>(label)].second; }

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool isResultField(Field field)
{
    const ControlKind kind = controlSpec(roleOf(field)).kind;
    return kind == ControlKind::NumericResult || kind == ControlKind::ReadOnlyEdit;
}

QFont fontOf(ControlFont font) { return font == ControlFont::Symbol ? window_fonts::symbol() : window_fonts::ui(); }

// Colours travel as 0x00BBGGRR.
QColor toQColor(Color color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

Color fromQColor(const QColor& color)
{
    return static_cast<Color>(color.red()) | (static_cast<Color>(color.green()) << 8) |
           (static_cast<Color>(color.blue()) << 16);
}

// A Symbol-font label shows its whole text: where the UI face's Greek letters
// and signs run wider than the label, the font steps down until they fit.
void setSymbolText(QLabel* label, const QString& text)
{
    constexpr int smallestPixelSize = 9;
    QFont font = window_fonts::symbol();
    while (QFontMetrics(font).horizontalAdvance(text) > label->width() && font.pixelSize() > smallestPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
    label->setText(text);
}

}  // namespace

MainWindow::MainWindow(const GraphOptions& storedOptions, SaveOptions saveOptions)
{
    setWindowTitle(QString::fromUtf8(product::title));
    setWindowIcon(QIcon(QStringLiteral(":/probaview/probaview_icon.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    buildMenuBar();
    buildControls();
    startGraph(storedOptions, std::move(saveOptions));
    connectControls();

    setFixedSize(clientWidth, clientHeight + menuBar()->sizeHint().height());
    shell_->attachView(this);
    shell_->start();
}

MainWindow::~MainWindow()
{
    // Closing stops the render thread; a window destroyed without closing does it here.
    if (shell_ && !shell_->isShutDown()) shell_->shutdown();
}

QWidget* MainWindow::control(ControlRole role) const
{
    const auto found = controls_.find(role);
    return found == controls_.end() ? nullptr : found->second;
}

QLineEdit* MainWindow::field(Field which) const { return static_cast<QLineEdit*>(control(roleOf(which))); }

QAction* MainWindow::menuAction(int command) const
{
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

GraphArea* MainWindow::graphArea() const { return static_cast<GraphArea*>(control(ControlRole::GraphArea)); }

FunctionSelector* MainWindow::functionSelector() const
{
    return static_cast<FunctionSelector*>(control(ControlRole::FunctionSelector));
}

QComboBox* MainWindow::distributionList() const
{
    return static_cast<QComboBox*>(control(ControlRole::DistributionList));
}

void MainWindow::settleGraph()
{
    if (renderer_) renderer_->waitUntilIdle();
    QCoreApplication::sendPostedEvents(graphArea());
}

void MainWindow::buildControls()
{
    auto* client = new ClientArea(this);
    setCentralWidget(client);

    // Creation order is the focus order: every control is a child of the
    // client area, made in the order of the table.
    for (const ControlSpec& row : controlTable) {
        QWidget* widget = createControl(row, client);
        if (!widget) continue;
        if (row.font == ControlFont::Ui) widget->setFont(fontOf(row.font));
        if (row.tooltip) widget->setToolTip(QString::fromUtf8(row.tooltip));
        if (row.role != ControlRole::Fixed) controls_[row.role] = widget;
    }

    for (const auto& [role, name] : accessibleNames) control(role)->setAccessibleName(QString::fromUtf8(name));

    // The selector's items come last, as they are added after every control.
    FunctionSelector* selector = functionSelector();
    for (int f = 0; f < shownFunctionCount; ++f) {
        selector->addItem(QString::fromUtf8(functionSelectorItems[f]), QString::fromUtf8(functionNames[f]));
    }
}

QWidget* MainWindow::createControl(const ControlSpec& row, QWidget* parent)
{
    const QString text =
        row.font == ControlFont::Symbol ? fromUtf8(symbolTextToUtf8(row.text)) : QString::fromUtf8(row.text);
    const QRect place(row.x, row.y, row.width, row.height);
    QWidget* widget = nullptr;

    switch (row.kind) {
        case ControlKind::TooltipWindow:
            QToolTip::setFont(fontOf(row.font));
            return nullptr;
        case ControlKind::DropDownList: {
            auto* list = new QComboBox(parent);
            list->setFont(fontOf(row.font));
            for (const char* name : distributionNames) list->addItem(QString::fromUtf8(name));
            // The table's height is the dropped list's; the closed box is one line.
            // The list drops below the box and scrolls, rather than covering it.
            constexpr int itemHeight = 15;
            list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"
                                               " QComboBox QAbstractItemView::item { min-height: %1px; }")
                                    .arg(itemHeight));
            const int closedHeight = list->sizeHint().height();
            list->setMaxVisibleItems((row.height - closedHeight) / itemHeight);
            list->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            widget = list;
            widget->setGeometry(place.x(), place.y(), place.width(), closedHeight);
            widget->show();
            return widget;
        }
        case ControlKind::FunctionSelector:
            widget = new FunctionSelector(parent);
            widget->setFont(fontOf(row.font));
            break;
        case ControlKind::GroupBox:
            widget = new QGroupBox(text, parent);
            break;
        case ControlKind::PictureBox:
            if (row.role == ControlRole::GraphArea) {
                // The image fills the given size; the sunken edge lies around it.
                auto* area = new GraphArea(parent);
                area->setGeometry(place.adjusted(0, 0, 2 * area->frameWidth(), 2 * area->frameWidth()));
                area->show();
                return area;
            }
            widget = new FormulaBox(parent);
            break;
        case ControlKind::NumericField:
        case ControlKind::NumericResult: {
            auto* numeric = new NumericField(parent);
            numeric->setText(text);
            if (row.kind == ControlKind::NumericResult) {
                numeric->setReadOnly(true);
                paintAsReadOnly(numeric);
            }
            widget = numeric;
            break;
        }
        case ControlKind::ReadOnlyEdit: {
            auto* edit = new QLineEdit(text, parent);
            edit->setReadOnly(true);
            paintAsReadOnly(edit);
            widget = edit;
            break;
        }
        case ControlKind::RightAlignedLabel:
        case ControlKind::LeftAlignedLabel: {
            auto* label = new QLabel(parent);
            label->setAlignment((row.kind == ControlKind::RightAlignedLabel ? Qt::AlignRight : Qt::AlignLeft) |
                                Qt::AlignTop);
            label->setGeometry(place);
            if (row.font == ControlFont::Symbol) {
                setSymbolText(label, text);
            } else {
                label->setFont(fontOf(row.font));
                label->setText(text);
            }
            label->show();
            return label;
        }
    }
    widget->setGeometry(place);
    widget->show();
    return widget;
}

void MainWindow::buildMenuBar()
{
    std::map<RadioGroup, QActionGroup*> groups;
    QMenu* menu = nullptr;
    QMenu* outer = nullptr;

    for (const MenuRow& row : menuRows()) {
        const QString text = QString::fromUtf8(row.text);
        switch (row.kind) {
            case MenuRowKind::Menu:
                menu = menuBar()->addMenu(text);
                menu->installEventFilter(this);
                outer = nullptr;
                break;
            case MenuRowKind::Submenu:
                outer = menu;
                menu = menu->addMenu(text);
                break;
            case MenuRowKind::EndSubmenu:
                menu = outer;
                outer = nullptr;
                break;
            case MenuRowKind::Separator:
                menu->addSeparator();
                break;
            case MenuRowKind::Item: {
                QAction* action = menu->addAction(text);
                if (row.group != RadioGroup::None) {
                    QActionGroup*& group = groups[row.group];
                    if (!group) {
                        group = new QActionGroup(this);
                        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
                    }
                    action->setCheckable(true);
                    group->addAction(action);
                }
                if (row.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(row.shortcut)));
                const int command = row.command;
                connect(action, &QAction::triggered, this, [this, command] { runMenuCommand(command); });
                actions_[command] = action;
                break;
            }
        }
    }

    menuBar()->installEventFilter(this);

    // F1 anywhere in the window opens the help.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { runMenuCommand(menu_command::helpContent); });
}

void MainWindow::connectControls()
{
    connect(distributionList(), &QComboBox::activated, this,
            [this](int d) { shell_->selectDistribution(d, CommandSource::Control); });
    connect(functionSelector(), &FunctionSelector::activated, this,
            [this](int f) { shell_->selectFunction(shownFunctionAt(f), CommandSource::Control); });

    // Only the user's own edits are commands; texts the shell sets come back
    // through the view and must not re-enter.
    for (const Field editable : {Field::Parameter1, Field::Parameter2, Field::X, Field::Q}) {
        connect(field(editable), &QLineEdit::textEdited, this, [this, editable](const QString& text) {
            field(editable)->setAccessibleDescription(fieldDescription(roleOf(editable), text));
            shell_->editField(editable, text.toStdString());
        });
    }
    for (int i = 0; i < fieldCount; ++i) {
        if (isResultField(static_cast<Field>(i))) field(static_cast<Field>(i))->installEventFilter(this);
    }
    graphArea()->setMouseTracking(true);
    graphArea()->installEventFilter(this);
}

void MainWindow::runMenuCommand(int command)
{
    namespace c = menu_command;
    if (command >= c::firstDistribution && command < c::firstDistribution + distributionCount) {
        shell_->selectDistribution(command - c::firstDistribution, CommandSource::Menu);
    } else if (isShownFunctionIndex(command - c::firstFunction)) {
        shell_->selectFunction(shownFunctionAt(command - c::firstFunction), CommandSource::Menu);
    } else if (command >= c::firstLineWeight && command < c::firstLineWeight + 3) {
        shell_->setLineWeight(command - c::firstLineWeight + 1);
    } else if (command == c::functionColor) {
        shell_->chooseColor(ColorTarget::Function);
    } else if (command == c::gridColor) {
        shell_->chooseColor(ColorTarget::Grid);
    } else if (command == c::backgroundColor) {
        shell_->chooseColor(ColorTarget::Background);
    } else if (command == c::textColor) {
        shell_->chooseColor(ColorTarget::Text);
    } else if (command == c::defaultColors) {
        shell_->resetColors();
    } else if (command == c::intervalProbability) {
        openIntervalPanel();
    } else if (command == c::copyValues) {
        QGuiApplication::clipboard()->setText(fromUtf8(shell_->valuesForCopy()));
    } else if (command == c::copyGraph) {
        QGuiApplication::clipboard()->setImage(graphArea()->image());
    } else if (command == c::exportGraph) {
        exportGraphToFile();
    } else if (command == c::print) {
        printReportWithDialog(this, reportContent());
    } else if (command == c::helpContent) {
        openManual();
    } else if (command == c::visitHomePage) {
        visitHomePage();
    } else if (command == c::about) {
        showAbout(this, [this] { visitHomePage(); });
    }
}

// Where no viewer opens the manual (none installed, xdg-open missing or
// failing), the window shows it itself instead of doing nothing.
void MainWindow::openManual()
{
    const QPointer<MainWindow> self(this);
    openHelp(
        [self] {
            if (self) self->showManualHere();
        },
        opener_);
}

void MainWindow::showManualHere()
{
    if (!helpWindow_) helpWindow_ = new HelpWindow(this);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void MainWindow::visitHomePage()
{
    const QPointer<MainWindow> self(this);
    openHomePage(
        [self] {
            if (self) showAddressMessage(self, QString::fromLatin1(product::homePageAddress));
        },
        opener_);
}

// The printed page takes the graph at the frame's own 304 x 230 pixels, as on
// any screen: on a high-density one the shown image is drawn again at ratio 1.
ReportContent MainWindow::reportContent() const
{
    const QImage& shown = graphArea()->image();
    if (shown.devicePixelRatio() == 1.0) return ::reportContent(*shell_, shown);
    PlotRequest request = shell_->plotRequest();
    request.devicePixelRatio = 1.0;
    return ::reportContent(*shell_, renderGraphImage(request));
}

// The graph is drawn at the density of the screen the window is on.
void MainWindow::redrawGraph(PlotRequest request)
{
    if (!renderer_) return;
    request.devicePixelRatio = graphArea()->devicePixelRatioF();
    renderer_->requestRedraw(request);
}

// A menu opened with the mouse and closed with Escape would leave the menu
// bar holding the keyboard until a second Escape; the window gives the
// keyboard back to the field that had it at once. A menu opened from the
// keyboard keeps the menu bar's own way (Escape returns to its title).
void MainWindow::watchMenuKeyboard(QObject* watched, QEvent* event)
{
    if (watched == menuBar()) {
        if (event->type() == QEvent::MouseButtonPress) menuOpenedByMouse_ = true;
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
            menuOpenedByMouse_ = false;
        }
    } else if (event->type() == QEvent::KeyPress && menuOpenedByMouse_ &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        menuOpenedByMouse_ = false;
        QTimer::singleShot(0, this, [this] {
            if (focusWidget() != menuBar()) return;
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(menuBar(), &escape);
        });
    }
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal && shell_ && !shell_->isShutDown()) {
        redrawGraph(shell_->plotRequest());
    }
    return QMainWindow::event(event);
}

void MainWindow::startGraph(const GraphOptions& storedOptions, SaveOptions saveOptions)
{
    // Finished images arrive on the render thread and are shown on this one.
    GraphArea* area = graphArea();
    area->setDescriber([this] { return shell_ ? fromUtf8(graphDescription(*shell_)) : QString(); });
    renderer_ = std::make_unique<GraphRenderer>([area](QImage image) {
        QMetaObject::invokeMethod(
            area, [area, image] { area->setImage(image); }, Qt::QueuedConnection);
    });

    ShellServices services;
    services.requestRedraw = [this](const PlotRequest& request) { redrawGraph(request); };
    // Joins the render thread; images it handed over but not yet shown are dropped with the window.
    services.stopRenderer = [this] { renderer_.reset(); };
    services.saveOptions = std::move(saveOptions);
    shell_ = std::make_unique<Shell>(storedOptions, std::move(services));
}

void MainWindow::openIntervalPanel()
{
    if (!intervalPanel_) {
        intervalPanel_ = new IntervalPanel(*shell_, this);
        intervalPanel_->adjustSize();
        constexpr int gap = 8;
        intervalPanel_->move(frameGeometry().topRight() + QPoint(gap, 0));
    }
    shell_->setIntervalPanelOpen(true);
    intervalPanel_->show();
    intervalPanel_->raise();
    intervalPanel_->activateWindow();
}

void MainWindow::exportGraphToFile()
{
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export Graph"), QStringLiteral("graph.png"),
                                     QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
    if (path.isEmpty()) return;
    QString error;
    if (!exportGraph(shell_->plotRequest(), path, error)) {
        QMessageBox::warning(this, QStringLiteral("Export Graph"),
                             QStringLiteral("The graph could not be written to %1:\n%2").arg(path, error));
    }
}

// A result field's tip adds its value with every digit and its status.
void MainWindow::showResultTip(Field which)
{
    const std::optional<Result> result = shell_->result(which);
    QString tip = QString::fromUtf8(controlSpec(roleOf(which)).tooltip);
    if (result) {
        tip += QStringLiteral("\n%1 (status: %2)")
                   .arg(fromUtf8(shell_->fullValueText(which)), QString::fromUtf8(resultStatusName(result->status)));
    }
    field(which)->setToolTip(tip);
}

void MainWindow::showGraphReading(const QPoint& position)
{
    GraphArea* area = graphArea();
    const std::optional<Shell::GraphReading> reading = shell_->graphReadingAt(position.x() - area->frameWidth());
    if (!reading) {
        QToolTip::hideText();
        return;
    }
    const QString text = QStringLiteral("x: %1\n%2: %3")
                             .arg(fromUtf8(formatValue(reading->x)),
                                  QString::fromUtf8(functionSelectorItems[indexOf(shell_->state().selectedFunction)]),
                                  fromUtf8(formatResult(reading->value.value, reading->value.status)));
    QToolTip::showText(area->mapToGlobal(position), text, area);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    watchMenuKeyboard(watched, event);
    if (watched == graphArea()) {
        if (event->type() == QEvent::MouseMove)
            showGraphReading(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (event->type() == QEvent::ToolTip) return true;  // the reading stands in for the static tip
        return QMainWindow::eventFilter(watched, event);
    }
    // Ctrl+C in a result field copies the value it stands for, not its eight characters.
    const bool copyKey = (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
                         static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    if (copyKey) {
        for (int i = 0; i < fieldCount; ++i) {
            const auto which = static_cast<Field>(i);
            if (field(which) != watched) continue;
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                QGuiApplication::clipboard()->setText(fromUtf8(shell_->fullValueText(which)));
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!shell_->isShutDown()) shell_->shutdown();
    event->accept();
}

void MainWindow::fieldTextChanged(Field which, const std::string& text)
{
    QLineEdit* edit = field(which);
    edit->setText(fromUtf8(text));
    edit->setAccessibleDescription(fieldDescription(roleOf(which), edit->text()));
}

void MainWindow::intervalTextChanged(IntervalField which, const std::string& text)
{
    if (intervalPanel_) intervalPanel_->showText(which, text);
}

void MainWindow::fieldVisibilityChanged(Field which, bool visible) { field(which)->setVisible(visible); }

void MainWindow::labelTextChanged(Label label, const std::string& symbolText)
{
    const QString text = fromUtf8(symbolTextToUtf8(symbolText));
    setSymbolText(static_cast<QLabel*>(control(roleOf(label))), text);
    if (label == Label::ParameterSymbol1) field(Field::Parameter1)->setAccessibleName(text);
    if (label == Label::ParameterSymbol2) field(Field::Parameter2)->setAccessibleName(text);
}

void MainWindow::selectionChanged(Selection selection, int index)
{
    switch (selection) {
        case Selection::DistributionList:
            distributionList()->setCurrentIndex(index);
            break;
        case Selection::DistributionMark:
            if (QAction* mark = menuAction(distributionCommandOf(index))) mark->setChecked(true);
            break;
        case Selection::FunctionTab:
            functionSelector()->setCurrentIndex(index);
            break;
        case Selection::FunctionMark:
            if (QAction* mark = menuAction(functionCommandOf(shownFunctionAt(index)))) mark->setChecked(true);
            break;
        case Selection::LineWeightMark:
            if (QAction* mark = menuAction(lineWeightCommandOf(index))) mark->setChecked(true);
            break;
    }
}

void MainWindow::graphTitleChanged(const std::string& title)
{
    static_cast<QGroupBox*>(control(ControlRole::GraphBox))->setTitle(fromUtf8(title));
}

void MainWindow::formulaChanged(int distribution, ShownFunction function)
{
    static_cast<FormulaBox*>(control(ControlRole::FormulaBox))->setSelection(distribution, indexOf(function));
}

std::optional<Color> MainWindow::runColorDialog(ColorTarget /*target*/, CustomColors& customColors)
{
    for (int slot = 0; slot < static_cast<int>(customColors.size()); ++slot) {
        QColorDialog::setCustomColor(slot, toQColor(customColors[slot]));
    }
    // The dialog starts from white, not from the current colour.
    const QColor chosen = QColorDialog::getColor(Qt::white, this);
    for (int slot = 0; slot < static_cast<int>(customColors.size()); ++slot) {
        customColors[slot] = fromQColor(QColorDialog::customColor(slot));
    }
    if (!chosen.isValid()) return std::nullopt;
    return fromQColor(chosen);
}
