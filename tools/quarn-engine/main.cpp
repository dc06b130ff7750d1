// quarn-engine: the Quarn engine on the command line, for tests, benchmarks,
// self-play and scripts. See kUsage for the interface.
#include "quarn-engine/commands.h"
#include "quarn_version.h"

#include <pthread.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The search deepens one level per iteration and perft follows lines to
// their end; both recurse with a move list per level, so the commands run on
// a stack far larger than the default one (reserved, not committed).
constexpr std::size_t kStackBytes = std::size_t{512} << 20;

struct Job {
    std::vector<std::string> args;
    int status = 2;
};

void* Run(void* data) {
    Job& job = *static_cast<Job*>(data);
    try {
        const Invocation inv = ParseCommandLine(job.args);
        if (inv.version) {
            std::printf("quarn-engine %s\n", kQuarnVersion);
            job.status = 0;
        } else {
            job.status = RunCommand(inv);
        }
    } catch (const InputError& e) {
        std::fprintf(stderr, "quarn-engine: %s\n", e.what());
        job.status = 2;
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    InitMillTab();
    Job job;
    job.args.assign(argv + 1, argv + argc);
    pthread_attr_t attr;
    pthread_t thread;
    if (pthread_attr_init(&attr) != 0 || pthread_attr_setstacksize(&attr, kStackBytes) != 0 ||
        pthread_create(&thread, &attr, Run, &job) != 0) {
        std::fprintf(stderr, "quarn-engine: cannot start: out of memory\n");
        return 2;
    }
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
    return job.status;
}
