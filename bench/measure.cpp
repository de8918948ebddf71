// measure PROGRAM [ARGUMENT...]: runs PROGRAM on this standard input, its output
// discarded, and prints its wall time in seconds, its peak resident set in KiB
// and its exit status.
//
// A process's peak resident set includes whatever the process held before it
// exec'd the program, so the program runs in a fresh child of this small
// process rather than of a large one such as a script interpreter.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: measure PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) return 1;
    if (child == 0) {
        const int sink = open("/dev/null", O_WRONLY);
        dup2(sink, STDOUT_FILENO);
        dup2(sink, STDERR_FILENO);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return 1;
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    std::printf("%.6f %ld %d\n", wall.count(), usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 0;
}
