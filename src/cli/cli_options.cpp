#include "cli/cli_options.h"

#include <algorithm>
#include <cctype>

#include "model/catalogue.h"

const char* const functionOptionNames[4] = {"pdf", "cdf", "survival", "hazard"};

const char* const usageText =
    "Usage: probaview-cli [--distribution NAME] [--p1 TEXT] [--p2 TEXT] [--x TEXT] [--q TEXT]\n"
    "                     [--function pdf|cdf|survival|hazard] [--interval A B] [--central P]\n"
    "                     [--json] [--full] [--graph FILE.png|.svg|.pdf] [--formula FILE.png]\n"
    "                     [--report FILE.pdf] [--batch]\n"
    "\n"
    "Does what a user would do in the Probaview window and prints what the window shows.\n"
    "\n"
    "  --distribution NAME  select the distribution by its list name, in any case: Uniform, Normal,\n"
    "                       Lognormal, Exponential, Cauchy, Gamma, Beta, Student, F-distribution,\n"
    "                       Chi-Square, \"Double Exponential\", Poisson, Binomial, \"Negative Binomial\",\n"
    "                       Geometric, Weibull, Logistic, Gumbel, Pareto, Rayleigh, \"Discrete Uniform\"\n"
    "                       (default Normal)\n"
    "  --p1 TEXT            type TEXT into parameter field 1 (default: the distribution's own parameter)\n"
    "  --p2 TEXT            type TEXT into parameter field 2; a one-parameter distribution hides that field\n"
    "  --x TEXT             type TEXT into the x field of the function values (default \"0\")\n"
    "  --q TEXT             type TEXT into the q field of the quantile (default \"0.95\")\n"
    "  --function NAME      select the function: pdf, cdf, survival or hazard (default pdf)\n"
    "  --interval A B       type A and B into the interval panel's a and b fields (opening it, as\n"
    "                       Function > Interval Probability... does): adds P(X < a), P(a <= X <= b) and\n"
    "                       P(X > b), both ends included for a discrete distribution, and shades\n"
    "                       [a, b] in the graph and the printed page\n"
    "  --central P          type P into the panel's p field: adds the ends of the central interval\n"
    "                       [q((1 - P)/2), q((1 + P)/2)] that holds probability P\n"
    "  --json               print one JSON object with the keys distribution, function, p1, p2, x, q,\n"
    "                       mean, standardDeviation, coefficientOfVariation, skewness, kurtosis, pdf,\n"
    "                       cdf, survival, hazard and quantile, each the text the window shows, and\n"
    "                       with --interval intervalBelow, intervalInside, intervalAbove, with --central\n"
    "                       centralLow, centralHigh\n"
    "  --full               with --json (which it implies): add \"values\", for each computed key its\n"
    "                       value (17 significant digits, or \"inf\", \"-inf\", \"nan\") and its status\n"
    "  --graph FILE         also write the graph as the window's graph area shows it for this state,\n"
    "                       drawn with the stored graph options (no display needed): a PNG image, or\n"
    "                       for a name ending in .svg or .pdf a vector drawing of paths and text\n"
    "  --formula FILE.png   also write the formula picture of the selected function (the discrete\n"
    "                       distributions have none for the hazard function)\n"
    "  --report FILE.pdf    also write the page that Print... prints for this state to a PDF file\n"
    "  --batch              read records NAME, P1, P2, X, Q from standard input, one a line, separated\n"
    "                       by tabs (P2 empty for a one-parameter distribution); each is typed into a\n"
    "                       freshly started window exactly as given (an empty text is an empty field)\n"
    "                       and gives one JSON object a line; a malformed line gives an object with\n"
    "                       an \"error\" key, and the batch goes on\n"
    "  --help               show this text\n"
    "  --version            show the version\n"
    "\n"
    "Texts are read as the window reads them: leading blanks, an optional sign, digits with an\n"
    "optional point and exponent; reading stops at the first other character, and no number is 0.\n"
    "Without --json every field the window shows is printed as one \"label: text\" line, in the\n"
    "window's order.\n"
    "\n"
    "JSON output is UTF-8: bytes of a text that are not valid UTF-8 are written as U+FFFD, the\n"
    "replacement character, so every input line gives exactly one valid JSON line.\n"
    "\n"
    "Each of --graph, --formula and --report is written on its own, via a temporary file beside\n"
    "it that takes the name only when complete: one that fails (a full disk, a folder that cannot\n"
    "be written, a device, a discrete hazard without a formula picture) is reported on standard\n"
    "error naming its file, leaves nothing behind, and does not stop the others.\n"
    "\n"
    "Exit codes: 0 done; 1 a batch line was malformed, or the graph, the formula picture or the\n"
    "report could not be written; 2 a wrong option or an unknown distribution.\n";

namespace {

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

int parameterCountOf(int d) { return makeDistributionSet()[d]->parameterCount(); }

}  // namespace

std::optional<int> findDistribution(const std::string& name)
{
    const std::string wanted = lowerCase(name);
    for (int d = 0; d < distributionCount; ++d) {
        if (lowerCase(distributionNames[d]) == wanted || lowerCase(distributionMenuTexts[d]) == wanted) return d;
    }
    return std::nullopt;
}

std::string checkEntry(const Entry& entry)
{
    if (entry.parameter2 && !entry.parameter2->empty() && parameterCountOf(entry.distribution) < 2) {
        return std::string(distributionNames[entry.distribution]) +
               " has one parameter; its second parameter field is hidden and takes no text";
    }
    return {};
}

ParsedOptions parseOptions(const std::vector<std::string>& arguments)
{
    ParsedOptions parsed;
    CliOptions& options = parsed.options;
    bool entryGiven = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }

        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name == "--version") {
            options.version = true;
            continue;
        }
        if (name == "--json" || name == "--full" || name == "--batch") {
            if (value) {
                parsed.error = "option " + name + " takes no value";
                return parsed;
            }
            (name == "--json" ? options.json : name == "--full" ? options.full : options.batch) = true;
            continue;
        }

        static const char* const textOptions[] = {"--distribution", "--p1",    "--p2",      "--x",      "--q",
                                                  "--function",     "--graph", "--formula", "--report", "--interval",
                                                  "--central"};
        if (std::find(std::begin(textOptions), std::end(textOptions), name) == std::end(textOptions)) {
            parsed.error = name.rfind("-", 0) == 0 ? "unknown option " + name : "unexpected argument \"" + name + "\"";
            return parsed;
        }
        if (!value) {
            // The next argument is the text, whatever it looks like ("-1" is a text).
            if (i + 1 >= arguments.size()) {
                parsed.error = "option " + name + " needs a value";
                return parsed;
            }
            value = arguments[++i];
        }
        if (name == "--graph" || name == "--formula" || name == "--report") {
            if (value->empty()) {
                parsed.error = "option " + name + " needs a file name";
                return parsed;
            }
            (name == "--graph"     ? options.graphFile
             : name == "--formula" ? options.formulaFile
                                   : options.reportFile) = *value;
            continue;
        }
        entryGiven = true;

        if (name == "--interval") {
            // The second end is the next argument, whatever it looks like.
            if (i + 1 >= arguments.size()) {
                parsed.error = "option --interval needs two values, A and B";
                return parsed;
            }
            options.entry.intervalLow = *value;
            options.entry.intervalHigh = arguments[++i];
        } else if (name == "--central") {
            options.entry.central = *value;
        } else if (name == "--distribution") {
            const std::optional<int> d = findDistribution(*value);
            if (!d) {
                parsed.error = "unknown distribution \"" + *value + "\"; the distributions are";
                for (int k = 0; k < distributionCount; ++k) {
                    parsed.error += (k == 0 ? " " : ", ") + std::string(distributionNames[k]);
                }
                return parsed;
            }
            options.entry.distribution = *d;
        } else if (name == "--function") {
            const std::string wanted = lowerCase(*value);
            const auto* found = std::find(std::begin(functionOptionNames), std::end(functionOptionNames), wanted);
            if (found == std::end(functionOptionNames)) {
                parsed.error = "unknown function \"" + *value + "\"; use pdf, cdf, survival or hazard";
                return parsed;
            }
            options.entry.function = shownFunctionAt(static_cast<int>(found - std::begin(functionOptionNames)));
        } else if (name == "--p1") {
            options.entry.parameter1 = *value;
        } else if (name == "--p2") {
            options.entry.parameter2 = *value;
        } else if (name == "--x") {
            options.entry.x = *value;
        } else {
            options.entry.q = *value;
        }
    }

    if (options.full) options.json = true;
    if (options.help || options.version) return parsed;
    if (options.batch && (entryGiven || options.graphFile || options.formulaFile || options.reportFile)) {
        parsed.error =
            "--batch reads its records from standard input and takes no --distribution, --p1, --p2, "
            "--x, --q, --function, --graph, --formula or --report";
        return parsed;
    }
    parsed.error = checkEntry(options.entry);
    return parsed;
}
