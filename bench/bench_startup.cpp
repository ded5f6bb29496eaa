// Start-up side by side: the minimal Qt program and the game's own start-up,
// alternated, each run from exec to its first painted frame, with the peak
// resident memory of the whole process. Prints medians and their ratios.
// Usage: bench_startup MINIMAL HARNESS [RUNS]; the platform comes from the
// environment (QT_QPA_PLATFORM=offscreen, or DISPLAY under Xvfb).

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Run
{
    double milliseconds;
    double mebibytes;
};

long long monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

bool startOnce(const char *program, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const long long started = monotonicNow();
    // What the programs say on the way (Qt's notes on the platform) is no part of the measure.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0)
        return false;

    std::string printed;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, n);
    close(out[0]);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || printed.empty())
        return false;
    run.milliseconds = (std::atoll(printed.c_str()) - started) / 1e6;
    run.mebibytes = usage.ru_maxrss / 1024.0;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s MINIMAL HARNESS [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    const char *programs[] = {argv[1], argv[2]};
    std::vector<double> times[2], memory[2];

    // One warm-up of each, so that neither pays for a cold file cache.
    for (const char *program : programs) {
        Run ignored{};
        startOnce(program, ignored);
    }
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < 2; ++p) {
            Run run{};
            if (!startOnce(programs[p], run)) {
                std::fprintf(stderr, "%s did not reach its first frame\n", programs[p]);
                return 1;
            }
            times[p].push_back(run.milliseconds);
            memory[p].push_back(run.mebibytes);
        }

    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d runs each, medians:\n", platform ? platform : "xcb", runs);
    std::printf("  %-14s first frame %7.1f ms   peak memory %6.1f MiB\n", "minimal Qt", median(times[0]), median(memory[0]));
    std::printf("  %-14s first frame %7.1f ms   peak memory %6.1f MiB\n", "bingo", median(times[1]), median(memory[1]));
    std::printf("  %-14s first frame %7.2f x    peak memory %6.2f x\n", "ratio", median(times[1]) / median(times[0]),
                median(memory[1]) / median(memory[0]));
    return 0;
}
