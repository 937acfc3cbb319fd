// The peak resident memory of a whole program run, as the kernel counted it: runs the program,
// waits for its end and prints its high-water mark in kB.
//
//   peak PROGRAM [ARGS...]
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: peak PROGRAM [ARGS...]\n");
        return 2;
    }
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "peak: %s did not run to its end\n", argv[1]);
        return 1;
    }
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}
