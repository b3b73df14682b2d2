// Runs programs in turns, several times, and prints for each the median time from process
// start to the moment it reports its window shown (a CLOCK_MONOTONIC time in ns on its
// stdout), and the median peak memory up to then, in one line per program:
//   <name> <ms> ms <KiB> KiB        (name: the file name without "startprobe_")
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
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
    int rohr[2];
    if (pipe(rohr) != 0)
        std::exit(1);
    timespec anfang{};
    clock_gettime(CLOCK_MONOTONIC, &anfang);
    const pid_t kind = fork();
    if (kind == 0) {
        dup2(rohr[1], STDOUT_FILENO);
        close(rohr[0]);
        execl(programm, programm, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(rohr[1]);
    char puffer[64] = {};
    ssize_t gelesen = 0;
    for (ssize_t n; (n = read(rohr[0], puffer + gelesen, sizeof puffer - 1 - gelesen)) > 0;)
        gelesen += n;
    close(rohr[0]);
    int status = 0;
    rusage nutzung{};
    wait4(kind, &status, 0, &nutzung);
    const long long gezeigt = std::atoll(puffer);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s endete mit Status %d\n", programm, status);
        std::exit(1);
    }
    const long long start = static_cast<long long>(anfang.tv_sec) * 1000000000LL + anfang.tv_nsec;
    return {double(gezeigt - start) / 1e9, nutzung.ru_maxrss};
}

// "startprobe_boden" -> "boden"
std::string name(const char* pfad)
{
    std::string n = pfad;
    n = n.substr(n.find_last_of('/') + 1);
    const std::string vorsilbe = "startprobe_";
    return n.rfind(vorsilbe, 0) == 0 ? n.substr(vorsilbe.size()) : n;
}

template <typename T> T median(std::vector<T> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    // The last argument is the number of runs when it is a number.
    int programme = argc - 1;
    int läufe = 15;
    if (programme > 1 && std::strspn(argv[argc - 1], "0123456789") == std::strlen(argv[argc - 1])) {
        läufe = std::atoi(argv[argc - 1]);
        --programme;
    }
    if (programme < 1 || läufe < 1) {
        std::fprintf(stderr, "Aufruf: startmessung PROGRAMM [VERGLEICH...] [LÄUFE]\n");
        return 2;
    }
    std::vector<std::vector<double>> zeit(programme);
    std::vector<std::vector<long>> speicher(programme);
    for (int p = 0; p < programme; ++p)
        starten(argv[1 + p]); // warms the file cache for each
    // In turns, so that a slower stretch of the machine hits every program alike.
    for (int k = 0; k < läufe; ++k) {
        for (int p = 0; p < programme; ++p) {
            const Lauf l = starten(argv[1 + p]);
            zeit[p].push_back(l.sekunden);
            speicher[p].push_back(l.kilobytes);
        }
    }
    for (int p = 0; p < programme; ++p)
        std::printf("%s %.2f ms %ld KiB\n", name(argv[1 + p]).c_str(), median(zeit[p]) * 1000.0,
                    median(speicher[p]));
    return 0;
}
