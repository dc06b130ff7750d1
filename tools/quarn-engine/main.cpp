// quarn-engine: the Quarn engine on the command line, for tests, benchmarks,
// self-play and scripts. See kUsage for the interface.
#include "quarn-engine/commands.h"
#include "quarn_version.h"

#include <pthread.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Job {
    Invocation inv;
    int status = 2;
};

void* Run(void* data) {
    Job& job = *static_cast<Job*>(data);
    try {
        job.status = RunCommand(job.inv);
    } catch (const InputError& e) {
        std::fprintf(stderr, "quarn-engine: %s\n", e.what());
        job.status = 2;
    }
    return nullptr;
}

// Ends the program with `status`, unless what it printed could not all be
// written (a full disk, a closed or broken output): then it says so and ends
// with status 1, so that no script takes a cut result for a whole one.
int Finish(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    const int error = errno;
    std::fprintf(stderr, "quarn-engine: the output cannot be written: %s\n", std::strerror(error));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    InitMillTab();
    Job job;
    try {
        job.inv = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const InputError& e) {
        std::fprintf(stderr, "quarn-engine: %s\n", e.what());
        return 2;
    }
    if (job.inv.version) {
        std::printf("quarn-engine %s\n", kQuarnVersion);
        return Finish(0);
    }
    // Perft and the search recurse with a move list per level, deeper than
    // the default stack allows: the command runs on a stack sized for its
    // deepest line (reserved, not committed).
    pthread_attr_t attr;
    pthread_t thread;
    if (pthread_attr_init(&attr) != 0 ||
        pthread_attr_setstacksize(&attr, StackBytes(job.inv)) != 0 ||
        pthread_create(&thread, &attr, Run, &job) != 0) {
        std::fprintf(stderr, "quarn-engine: cannot start: out of memory\n");
        return 2;
    }
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
    return Finish(job.status);
}
