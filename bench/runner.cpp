// Runs the program and the baseline side by side and prints the table of the benchmark:
//   tsvetoznak-bench [start-up runs]
// The executables are looked for beside this one; the display is whatever DISPLAY names.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The X server and the kernel are still tidying up after the last program for a moment; a
// start within it takes half as long again, and so each run waits until that is over.
constexpr useconds_t SettleMicroseconds = 300'000;
constexpr int IdleRuns = 5;
constexpr double IdleSeconds = 10; // as the probe idles
constexpr const char *CaretVariable = "TSVETOZNAK_BENCH_CARET";
constexpr const char *BlinkVariable = "TSVETOZNAK_BENCH_BLINK";

struct Run
{
    double startupMs = 0;
    double peakMiB = 0;
    std::map<std::string, long long> reported; // what the probe wrote, by word
};

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

[[noreturn]] void die(const std::string &what)
{
    std::fprintf(stderr, "tsvetoznak-bench: %s\n", what.c_str());
    std::exit(1);
}

// Starts an executable with the probe in the given mode and waits for its end; the start-up
// time runs from just before the fork to the first paint the probe reports.
Run launch(const fs::path &executable, const char *mode)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        die("no pipe");
    setenv("TSVETOZNAK_BENCH_PROBE", mode, 1);
    usleep(SettleMicroseconds);
    const long long started = monotonicNs();
    const pid_t pid = fork();
    if (pid < 0)
        die("no fork");
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(executable.c_str(), executable.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<size_t>(got));
    close(pipeFds[0]);
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        die(executable.filename().string() + " did not end cleanly");

    Run run;
    char word[32];
    long long value = 0;
    for (const char *line = output.c_str(); std::sscanf(line, "%31s %lld", word, &value) == 2;) {
        run.reported[word] = value;
        const char *next = std::strchr(line, '\n');
        if (!next)
            break;
        line = next + 1;
    }
    if (!run.reported.count("painted"))
        die(executable.filename().string() + " reported no paint");
    run.startupMs = static_cast<double>(run.reported["painted"] - started) / 1e6;
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024; // ru_maxrss is in KiB
    return run;
}

long long reported(const Run &run, const char *word)
{
    const auto value = run.reported.find(word);
    if (value == run.reported.end())
        die(std::string("no ") + word + " reported");
    return value->second;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Idling with the window active (in the program, the caret blinks in the first field) or
// inactive.
struct Idling
{
    std::vector<double> cpu; // % of one core
    std::vector<double> wakeups; // per second

    void add(const Run &run)
    {
        cpu.push_back(static_cast<double>(reported(run, "idle")) / 1e9 / IdleSeconds * 100);
        wakeups.push_back(static_cast<double>(reported(run, "wakeups")) / IdleSeconds);
    }
};

struct Side
{
    std::vector<double> startups; // ms
    Idling active;
    Idling inactive;
    Idling caret; // the baseline only: a focused line edit
    Idling blink; // the baseline only: a line a pixel wide, blinking
    double peakMiB = 0;

    void addStartup(const Run &run)
    {
        startups.push_back(run.startupMs);
        peakMiB = std::max(peakMiB, run.peakMiB);
    }
};

double tickNs(const fs::path &tick)
{
    FILE *output = popen(tick.c_str(), "r");
    if (!output)
        die("could not start " + tick.string());
    double ns = -1;
    if (std::fscanf(output, "tick %lf", &ns) != 1)
        ns = -1;
    if (pclose(output) != 0 || ns < 0)
        die(tick.filename().string() + " reported no tick");
    return ns;
}

void row(const char *figure, const std::string &program, const std::string &baseline,
    const std::string &ratio, const char *goal)
{
    std::printf("| %-36s | %9s | %9s | %8s | %8s |\n", figure, program.c_str(), baseline.c_str(),
        ratio.c_str(), goal);
}

std::string number(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string difference(double value, int decimals)
{
    char text[32];
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0)
        rounded = 0; // a difference that rounds to nothing is shown as +0, not as -0
    std::snprintf(text, sizeof text, "%+.*f", decimals, rounded);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 31;
    if (runs < 1)
        die("the number of runs must be positive");
    if (!std::getenv("DISPLAY"))
        die("no DISPLAY; ./dev.sh bench starts an X server of its own");
    // Qt wants a private runtime folder; without one it warns on every start.
    char runtimeFolder[] = "/tmp/tsvetoznak-bench-XXXXXX";
    const bool ownRuntimeFolder = !std::getenv("XDG_RUNTIME_DIR");
    if (ownRuntimeFolder) {
        if (!mkdtemp(runtimeFolder))
            die("no runtime folder");
        setenv("XDG_RUNTIME_DIR", runtimeFolder, 1);
    }
    // As a Russian desktop starts it: no locale named.
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);

    const fs::path here = fs::read_symlink("/proc/self/exe").parent_path();
    const fs::path program = here / "bench_program";
    const fs::path baseline = here / "bench_baseline";

    // Start-up in alternation, so that both sides meet the same machine.
    Side ours;
    Side bare;
    for (int warm = 0; warm < 2; ++warm) {
        launch(program, "startup");
        launch(baseline, "startup");
    }
    for (int i = 0; i < runs; ++i) {
        ours.addStartup(launch(program, "startup"));
        bare.addStartup(launch(baseline, "startup"));
    }
    // Idling, both sides in turn, active and then inactive.
    for (int i = 0; i < IdleRuns; ++i) {
        ours.active.add(launch(program, "idle"));
        bare.active.add(launch(baseline, "idle"));
        ours.inactive.add(launch(program, "idle-inactive"));
        bare.inactive.add(launch(baseline, "idle-inactive"));
        // Qt's caret alone, and the least blink, their pixels put on the screen as the program
        // puts its own.
        setenv("QT_XCB_NO_MITSHM", "1", 1);
        for (const auto &[variable, idling] :
            {std::pair {CaretVariable, &bare.caret}, std::pair {BlinkVariable, &bare.blink}}) {
            setenv(variable, "1", 1);
            idling->add(launch(baseline, "idle"));
            unsetenv(variable);
        }
        unsetenv("QT_XCB_NO_MITSHM");
    }
    const double tick = tickNs(here / "bench_tick");
    // The reading window, opened as F6 opens it; the SMD window as F7 does, a marking typed.
    std::vector<double> opening;
    std::vector<double> smdOpening;
    std::vector<double> keying;
    // The combination window as F8 opens it, searched as the user types and chooses.
    std::vector<double> e24, e96, e192, busyKey;
    for (int i = 0; i < runs; ++i) {
        const Run combining = launch(program, "combination");
        for (const auto &[name, figures] : {std::pair {"e24", &e24}, std::pair {"e96", &e96},
                 std::pair {"e192", &e192}, std::pair {"busykey", &busyKey}}) {
            if (reported(combining, name) < 0)
                die("the combination window did not answer");
            figures->push_back(static_cast<double>(reported(combining, name)) / 1e6);
        }
        opening.push_back(
            static_cast<double>(reported(launch(program, "reading"), "opened")) / 1e6);
        const Run smd = launch(program, "smd");
        smdOpening.push_back(static_cast<double>(reported(smd, "opened")) / 1e6);
        if (reported(smd, "keyed") < 0)
            die("the marking typed did not reach its field");
        keying.push_back(static_cast<double>(reported(smd, "keyed")) / 1e6);
    }

    const double startup = median(ours.startups);
    const double bareStartup = median(bare.startups);
    std::printf("Цветознак against a bare QMainWindow with a menu bar: release build, xcb on "
                "display %s.\nStart-up: median of %d runs each; idling: median of %d runs of "
                "%.0f s each.\n\n",
        std::getenv("DISPLAY"), runs, IdleRuns, IdleSeconds);
    row("figure", "program", "baseline", "vs. base", "goal");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(38, '-').c_str(), std::string(11, '-').c_str(),
        std::string(11, '-').c_str(), std::string(10, '-').c_str(), std::string(10, '-').c_str());
    row("start-up to first paint, ms", number(startup, 1), number(bareStartup, 1),
        number(startup / bareStartup, 2), "<= 1.10");
    row("peak resident memory, MiB", number(ours.peakMiB, 1), number(bare.peakMiB, 1),
        number(ours.peakMiB / bare.peakMiB, 2), "<= 1.05");
    const auto idling = [](const char *what, const Idling &program, const Idling &baseline,
                            const char *wakeupGoal) {
        const double cpu = median(program.cpu);
        const double bareCpu = median(baseline.cpu);
        const double wakeups = median(program.wakeups);
        const double bareWakeups = median(baseline.wakeups);
        row((std::string("wake-ups at rest, per s, ") + what).c_str(), number(wakeups, 1),
            number(bareWakeups, 1), difference(wakeups - bareWakeups, 1), wakeupGoal);
        row((std::string("CPU at rest, % of a core, ") + what).c_str(), number(cpu, 3),
            number(bareCpu, 3), difference(cpu - bareCpu, 3), "<= +0.05");
    };
    idling("active", ours.active, bare.active, "<= +3");
    const auto against = [&ours](const char *what, const Idling &baseline) {
        row(what, "", number(median(baseline.cpu), 3),
            difference(median(ours.active.cpu) - median(baseline.cpu), 3), "");
    };
    against("  the same, baseline with a caret", bare.caret);
    against("  the same, baseline blinking 1 px", bare.blink);
    idling("inactive", ours.inactive, bare.inactive, "<= +0");
    row("one readout tick, ns", number(tick, 0), "", "", "< 2000");
    row("F6 to the reading window painted, ms", number(median(opening), 1), "", "", "< 50");
    row("F7 to the SMD window painted, ms", number(median(smdOpening), 1), "", "", "< 50");
    row("a marking's key to its answer, ms", number(median(keying), 3), "", "", "< 1");
    row("key to E24 lists, up to 3 parts, ms", number(median(e24), 1), "", "", "< 20");
    row("key to E96 lists, up to 4 parts, ms", number(median(e96), 1), "", "", "< 100");
    row("E192, 4 parts, first search, ms", number(median(e192), 1), "", "", "< 1000");
    row("  a key handled meanwhile, ms", number(median(busyKey), 3), "", "", "< 1");
    const auto [fastest, slowest] = std::minmax_element(ours.startups.begin(), ours.startups.end());
    const auto [bareFastest, bareSlowest]
        = std::minmax_element(bare.startups.begin(), bare.startups.end());
    std::printf("\nStart-up ranged over %.1f to %.1f ms for the program, %.1f to %.1f ms for the "
                "baseline.\n",
        *fastest, *slowest, *bareFastest, *bareSlowest);
    if (ownRuntimeFolder)
        rmdir(runtimeFolder);
    return 0;
}
