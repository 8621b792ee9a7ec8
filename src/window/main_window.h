#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "shell/desktop_opener.h"
#include "shell/shell.h"
#include "shell/shell_view.h"
#include "window/control_table.h"
#include "window/help_fallback.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class FunctionSelector;
class GraphArea;
class GraphRenderer;
class IntervalPanel;
struct ReportContent;

// The main window "Probaview v1.0": a fixed-size view over the shell. The
// controls and the menu bar are built from their tables; what the user does
// goes to the shell's commands, and the shell's notifications update the
// widgets. The window owns the shell and the render thread, and stops the
// thread when it closes.
class MainWindow : public QMainWindow, private ShellView {
    Q_OBJECT

public:
    using SaveOptions = std::function<void(const GraphOptions&)>;

    // Starts from the stored graph options; `saveOptions` keeps them when the
    // window closes (nothing is kept when it is empty).
    explicit MainWindow(const GraphOptions& storedOptions = {}, SaveOptions saveOptions = {});
    ~MainWindow() override;

    Shell& shell() { return *shell_; }
    QWidget* control(ControlRole role) const;
    QLineEdit* field(Field field) const;
    QAction* menuAction(int command) const;
    GraphArea* graphArea() const;
    FunctionSelector* functionSelector() const;
    QComboBox* distributionList() const;

    // What the printed page shows: the shell's page with the graph area's image.
    ReportContent reportContent() const;

    // The interval panel, once Function > Interval Probability... has opened it.
    IntervalPanel* intervalPanel() const { return intervalPanel_; }
    // How the Help menu hands the manual and the home page to the desktop
    // (the desktop's own opener unless replaced).
    void setDesktopOpener(DesktopOpener opener) { opener_ = std::move(opener); }
    // The manual's own window, while it is open (a desktop without a viewer).
    HelpWindow* helpWindow() const { return helpWindow_; }

    // Waits until the renderer has finished every pass asked of it and shows
    // the images it handed over.
    void settleGraph();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Ctrl+C in a result field copies its full value; the graph reads out
    // the function under the pointer.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* createControl(const ControlSpec& row, QWidget* parent);
    void buildMenuBar();
    void connectControls();
    void runMenuCommand(int command);
    void openManual();
    void showManualHere();
    void visitHomePage();
    void startGraph(const GraphOptions& storedOptions, SaveOptions saveOptions);
    void openIntervalPanel();
    void exportGraphToFile();
    void showResultTip(Field field);
    void showGraphReading(const QPoint& position);
    void watchMenuKeyboard(QObject* watched, QEvent* event);
    void redrawGraph(PlotRequest request);

    // ShellView
    void fieldTextChanged(Field field, const std::string& text) override;
    void fieldVisibilityChanged(Field field, bool visible) override;
    void labelTextChanged(Label label, const std::string& symbolText) override;
    void selectionChanged(Selection selection, int index) override;
    void graphTitleChanged(const std::string& title) override;
    void formulaChanged(int distribution, ShownFunction function) override;
    void intervalTextChanged(IntervalField field, const std::string& text) override;
    void resultChanged(Field field) override { showResultTip(field); }
    std::optional<Color> runColorDialog(ColorTarget target, CustomColors& customColors) override;

    std::map<ControlRole, QWidget*> controls_;
    std::map<int, QAction*> actions_;
    DesktopOpener opener_ = desktopOpener();
    QPointer<HelpWindow> helpWindow_;
    bool menuOpenedByMouse_ = false;
    std::unique_ptr<GraphRenderer> renderer_;  // before the shell, whose services use it
    std::unique_ptr<Shell> shell_;
    IntervalPanel* intervalPanel_ = nullptr;
};
