#pragma once
// One thread that runs tasks in the order they are posted, behind a short queue: posting waits
// while the queue is full, so a producer faster than the worker is held back and memory stays flat.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class Worker {
public:
    explicit Worker(size_t capacity);
    ~Worker();  // runs what is queued, then stops
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    void post(std::function<void()> task);
    // Waits until every task posted so far has run.
    void drain();

private:
    void run();

    const size_t capacity;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::function<void()>> tasks;
    bool busy = false;
    bool stopping = false;
    std::thread thread;
};
