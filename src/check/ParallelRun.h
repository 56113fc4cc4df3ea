#pragma once

#include <atomic>
#include <thread>
#include <vector>

// Runs work(index, context) for every index below count on up to jobs
// threads, the calling one among them. Each thread makes a context of its own
// once, for what must not be shared between threads (fonts and their
// metrics). Indexes are handed out one by one, so uneven items even out.
template<typename MakeContext, typename Work>
void runInParallel(int jobs, int count, const MakeContext &makeContext, const Work &work)
{
    std::atomic<int> next { 0 };
    const auto worker = [&] {
        auto context = makeContext();
        for (int index = next++; index < count; index = next++)
            work(index, context);
    };
    std::vector<std::thread> threads;
    for (int thread = 1; thread < jobs && thread < count; ++thread)
        threads.emplace_back(worker);
    worker();
    for (std::thread &thread : threads)
        thread.join();
}
