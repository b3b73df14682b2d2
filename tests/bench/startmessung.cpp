// Runs two programs alternately, several times, and prints the median wall time from
// process start to exit and the median peak memory of each, in one line per program.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Lauf {
    double sekunden;
    long kilobytes;
};

Lauf starten(const char* programm)
{
    const auto anfang = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind == 0) {
        execl(programm, programm, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage nutzung{};
    wait4(kind, &status, 0, &nutzung);
    const auto ende = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s endete mit Status %d\n", programm, status);
        std::exit(1);
    }
    return {std::chrono::duration<double>(ende - anfang).count(), nutzung.ru_maxrss};
}

template <typename T> T median(std::vector<T> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: startmessung PROGRAMM VERGLEICH [LÄUFE]\n");
        return 2;
    }
    const int läufe = argc > 3 ? std::atoi(argv[3]) : 15;
    std::vector<double> zeit[2];
    std::vector<long> speicher[2];
    starten(argv[1]); // warm the file cache for both
    starten(argv[2]);
    for (int k = 0; k < läufe; ++k) {
        for (int p = 0; p < 2; ++p) {
            const Lauf l = starten(argv[1 + p]);
            zeit[p].push_back(l.sekunden);
            speicher[p].push_back(l.kilobytes);
        }
    }
    for (int p = 0; p < 2; ++p)
        std::printf("%s %.2f ms %ld KiB\n", p == 0 ? "programm" : "vergleich", median(zeit[p]) * 1000.0,
                    median(speicher[p]));
    return 0;
}
