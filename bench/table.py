#!/usr/bin/env python3
"""Turns the JSON output of probaview_bench into the Markdown tables of the
README's Performance section: worst case and median of each command and of
each render pass, the worst case of each distribution, and the side by side
with Boost.Math (time ratio and largest relative error of both).

    table.py results.json > table.md
    table.py --accuracy results.json > accuracy.md   (only the worst errors)

Times are CPU times, the median of the repetitions of each benchmark; a side
by side case times both libraries in alternation and reports each one's time
per call (elapsed, not CPU time) as a counter.
"""
import json
import os
import statistics
import sys

COMMAND_TARGET_US = 1000.0
RENDER_TARGET_US = 5000.0
COMMANDS = [("select", "select a distribution"), ("parameter", "edit a parameter"), ("x", "change x"),
            ("q", "change q")]
FUNCTIONS = [("density", "density or mass"), ("cdf", "distribution function"), ("survival", "survival function"),
             ("hazard", "hazard function")]
OPERATIONS = ["pdf", "cdf", "survival", "quantile"]
# A relative error above this is a wrong result, not a rounding: a time ratio
# against a wrong result is marked.
WRONG_ERROR = 1e-6
UNIT_US = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}


def load(path):
    """{benchmark name: (median CPU microseconds, counters)}; the median over repetitions."""
    with open(path) as f:
        data = json.load(f)
    runs = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name", "median") != "median" or b.get("error_occurred"):
            continue
        name = b.get("run_name", b["name"])
        if name.endswith("/side_by_side"):  # both libraries, timed in alternation
            case = name.rsplit("/", 1)[0]
            for library in ("probaview", "boost"):
                runs[f"{case}/{library}"] = (b[f"{library}_ns"] / 1000, {"max_rel_error": b[f"{library}_error"]})
            continue
        runs[name] = (b["cpu_time"] * UNIT_US[b["time_unit"]], b)
    repetitions = max((b.get("repetitions", 1) for b in data["benchmarks"]), default=1)
    return data.get("context", {}), repetitions, runs


def duration(us, target=None):
    text = f"{us:.3g} µs" if us < 1000 else f"{us / 1000:.3g} ms"
    return f"**{text}**" if target is not None and us > target else text


def error(value):
    return "0" if value == 0 else f"{value:.1e}"


def machine(context, repetitions):
    model = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as f:
            model = next(line.split(":", 1)[1].strip() for line in f if line.startswith("model name"))
    except (OSError, StopIteration):
        pass
    cores = len(os.sched_getaffinity(0))
    load = ", ".join(f"{v:.1f}" for v in context.get("load_avg", []))
    date = context.get("date", "")[:16].replace("T", " ")
    return (f"Measured {date} on {model}, nproc {cores}, load average {load} at the start; "
            f"CPU time per call, the median of {repetitions} runs of each case, interleaved in random order; "
            f"side by side, both libraries timed in alternation within each run (elapsed time per call). "
            f"Figures over a target are in bold.")


def split(name):
    """'command/x/gamma(0.01, 1)/1e300' -> ('command', 'x', 'gamma(0.01, 1)', '1e300')."""
    kind, group, rest = name.split("/", 2)
    case, argument = rest.rsplit("/", 1)
    return kind, group, case, argument


def where(kind, group, case, argument):
    if kind == "render" or group == "select":
        return case
    if group == "parameter":
        return f"{case}, parameter {argument}"
    return f"{case} at {group} = {argument}"


def summary(runs, kind, groups, target, heading):
    lines = [f"| {heading} | cases | median | worst case | worst at |", "|---|---:|---:|---:|---|"]
    for key, label in groups:
        cases = [(us, split(name)) for name, (us, _) in runs.items() if split(name)[:2] == (kind, key)]
        if not cases:
            continue
        worst = max(cases)
        median = statistics.median(us for us, _ in cases)
        lines.append(f"| {label} | {len(cases)} | {duration(median, target)} | {duration(worst[0], target)} | "
                     f"{where(*worst[1])} |")
    return lines


def per_distribution(runs):
    columns = [("command", key) for key, _ in COMMANDS] + [("render", None)]
    worst = {}
    for name, (us, _) in runs.items():
        kind, group, case, _ = split(name)
        if kind not in ("command", "render"):
            continue
        column = ("render", None) if kind == "render" else ("command", group)
        family = case.split("(", 1)[0]
        slot = worst.setdefault(family, {})
        slot[column] = max(slot.get(column, 0.0), us)
    lines = ["| distribution | select | edit a parameter | change x | change q | render pass |",
             "|---|---:|---:|---:|---:|---:|"]
    for family, slot in worst.items():
        cells = [duration(slot[c], RENDER_TARGET_US if c[0] == "render" else COMMAND_TARGET_US) if c in slot else "–"
                 for c in columns]
        lines.append(f"| {family} | " + " | ".join(cells) + " |")
    return lines


def side_by_side(runs, kind):
    table = {}
    for name, (us, b) in runs.items():
        parts = name.split("/")
        if parts[0] != kind:
            continue
        _, operation, case, library = parts[0], parts[1], "/".join(parts[2:-1]), parts[-1]
        table.setdefault(case, {}).setdefault(operation, {})[library] = (us, b.get("max_rel_error", 0.0))
    lines = ["| distribution | " + " | ".join(f"{op}: time ratio" for op in OPERATIONS) + " | "
             + " | ".join(f"{op}: error ours / Boost" for op in OPERATIONS) + " |",
             "|---|" + "---:|" * (2 * len(OPERATIONS))]
    for case, operations in table.items():
        ratios, errors = [], []
        for op in OPERATIONS:
            both = operations.get(op, {})
            if "probaview" in both and "boost" in both:
                ours, theirs = both["probaview"], both["boost"]
                mark = "*" if not theirs[1] <= WRONG_ERROR else ""
                ratios.append(f"{ours[0] / theirs[0]:.2g}{mark}")
                errors.append(f"{error(ours[1])} / {error(theirs[1])}")
            else:  # a distribution Boost.Math lacks shows our error alone
                ratios.append("–")
                errors.append(f"{error(both['probaview'][1])} / –" if "probaview" in both else "–")
        lines.append(f"| {case} | " + " | ".join(ratios) + " | " + " | ".join(errors) + " |")
    return lines


def accuracy(runs):
    """The worst relative error of each distribution and operation over all its parameter sets."""
    worst = {}
    for name, (_, b) in runs.items():
        parts = name.split("/")
        if parts[0] != "compare":
            continue
        operation, family, library = parts[1], parts[2].split("(", 1)[0], parts[-1]
        slot = worst.setdefault(family, {}).setdefault(operation, {})
        slot[library] = max(slot.get(library, 0.0), b.get("max_rel_error", 0.0))
    lines = ["| distribution | " + " | ".join(f"{op}: ours / Boost" for op in OPERATIONS) + " |",
             "|---|" + "---:|" * len(OPERATIONS)]
    for family, operations in worst.items():
        cells = []
        for op in OPERATIONS:
            both = operations.get(op, {})
            if "probaview" not in both:
                cells.append("–")
            else:  # a distribution Boost.Math lacks shows ours alone
                cells.append(f"{error(both['probaview'])} / " + (error(both["boost"]) if "boost" in both else "–"))
        lines.append(f"| {family} | " + " | ".join(cells) + " |")
    return lines


def main():
    if sys.argv[1] == "--accuracy":
        _, _, runs = load(sys.argv[2])
        print("\n".join(accuracy(runs)))
        return
    context, repetitions, runs = load(sys.argv[1])
    out = [machine(context, repetitions), ""]
    out += ["Synchronous work of each command (target: under 1 ms), over every parameter set and argument:", ""]
    out += summary(runs, "command", COMMANDS, COMMAND_TARGET_US, "command") + [""]
    out += ["One whole render pass, plot model and drawing (target: under 5 ms), over every parameter set:", ""]
    out += summary(runs, "render", FUNCTIONS, RENDER_TARGET_US, "function drawn") + [""]
    out += ["The worst case of each distribution:", ""]
    out += per_distribution(runs) + [""]
    out += ["Side by side with Boost.Math at the same inputs (the quantiles at 0.001, 0.05, 0.5, 0.95 and 0.999): "
            "our time over Boost.Math's, and each library's largest relative error against the 50-digit "
            "values of tests/data/comparison_reference.txt.", ""]
    out += side_by_side(runs, "compare") + [""]
    out += ["The same at the extreme parameters and arguments of tests/data/extreme_reference.txt, extreme_numeric_reference.txt and "
            "large_shape_reference.txt (shapes and "
            "scales from 1e-310 to 1e308, tails to 1e-300), where Boost.Math has the distribution:", ""]
    out += side_by_side(runs, "extreme") + [""]
    out += [f"A ratio marked * is against a result of Boost.Math's that is wrong (relative error above "
            f"{WRONG_ERROR:g}, or none at all)."]
    print("\n".join(out))


if __name__ == "__main__":
    main()
