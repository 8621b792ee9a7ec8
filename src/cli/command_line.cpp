#include "cli/command_line.h"

#include <istream>
#include <ostream>

#include "cli/cli_options.h"
#include "cli/formula_output.h"
#include "cli/graph_output.h"
#include "cli/report_output.h"
#include "cli/shell_output.h"
#include "cli/stored_options.h"
#include "shell/product.h"
#include "shell/shell.h"

namespace {

// A freshly started shell in which the entry has been typed and selected.
void typeEntry(Shell& shell, const Entry& entry)
{
    shell.start();
    shell.selectDistribution(entry.distribution, CommandSource::Control);
    if (entry.parameter1) shell.editParameter(1, *entry.parameter1);
    if (entry.parameter2) shell.editParameter(2, *entry.parameter2);
    if (entry.x) shell.editX(*entry.x);
    if (entry.q) shell.editQ(*entry.q);
    shell.selectFunction(entry.function, CommandSource::Control);
    if (entry.intervalLow || entry.central) {
        shell.setIntervalPanelOpen(true);
        // Without --interval the ends stay empty: no interval, no shading.
        shell.editIntervalField(IntervalField::A, entry.intervalLow.value_or(""));
        shell.editIntervalField(IntervalField::B, entry.intervalHigh.value_or(""));
        if (entry.central) shell.editIntervalField(IntervalField::P, *entry.central);
    }
}

PanelKeys panelKeysOf(const Entry& entry) { return {entry.intervalLow.has_value(), entry.central.has_value()}; }

// One batch record: NAME, P1, P2, X, Q separated by tabs.
struct Record {
    Entry entry;
    std::string error;
};

Record parseRecord(std::string line)
{
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> texts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        texts.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }

    Record record;
    if (texts.size() != 5) {
        record.error = "expected 5 tab-separated texts (NAME, P1, P2, X, Q), found " + std::to_string(texts.size());
        return record;
    }
    const std::optional<int> d = findDistribution(texts[0]);
    if (!d) {
        record.error = "unknown distribution \"" + texts[0] + "\"";
        return record;
    }
    record.entry.distribution = *d;
    record.entry.parameter1 = texts[1];
    record.entry.parameter2 = texts[2];
    record.entry.x = texts[3];
    record.entry.q = texts[4];
    record.error = checkEntry(record.entry);
    return record;
}

int runBatch(const CliOptions& options, std::istream& in, std::ostream& out)
{
    // Read once: every record starts from the same stored options.
    const GraphOptions stored = storedGraphOptions();
    int exitCode = exitSuccess;
    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        const Record record = parseRecord(line);
        if (!record.error.empty()) {
            out << "{\"line\": " << lineNumber << ", \"error\": " << jsonString(record.error) << "}\n";
            exitCode = exitFailure;
            continue;
        }
        Shell shell(stored);
        typeEntry(shell, record.entry);
        writeShellJson(shell, options.full, out);
    }
    return exitCode;
}

}  // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err)
{
    const ParsedOptions parsed = parseOptions(arguments);
    if (!parsed.error.empty()) {
        err << "probaview-cli: " << parsed.error << "\n(probaview-cli --help explains the options)\n";
        return exitUsage;
    }
    const CliOptions& options = parsed.options;
    if (options.help) {
        out << usageText;
        return exitSuccess;
    }
    if (options.version) {
        out << "probaview-cli " << product::version << "\n";
        return exitSuccess;
    }
    if (options.batch) return runBatch(options, in, out);

    Shell shell(storedGraphOptions());
    typeEntry(shell, options.entry);
    if (options.json) {
        writeShellJson(shell, options.full, out, panelKeysOf(options.entry));
    } else {
        writeShellText(shell, out, panelKeysOf(options.entry));
    }
    // Each output is attempted on its own: one that fails stops none of the others.
    const ShellState& state = shell.state();
    const std::string errors[] = {
        options.graphFile ? writeGraphImage(shell.plotRequest(), *options.graphFile) : std::string(),
        options.formulaFile
            ? writeFormulaImage(state.selectedDistribution, state.selectedFunction, *options.formulaFile)
            : std::string(),
        options.reportFile ? writeReport(shell, *options.reportFile) : std::string(),
    };
    int exitCode = exitSuccess;
    for (const std::string& error : errors) {
        if (error.empty()) continue;
        err << "probaview-cli: " << error << '\n';
        exitCode = exitFailure;
    }
    return exitCode;
}
