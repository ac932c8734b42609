#include "tools/capture/Worker.h"

Worker::Worker(size_t capacity_) : capacity(capacity_ > 0 ? capacity_ : 1), thread([this] { run(); }) {}

Worker::~Worker() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    thread.join();
}

void Worker::post(std::function<void()> task) {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return tasks.size() < capacity; });
    tasks.push_back(std::move(task));
    changed.notify_all();
}

void Worker::drain() {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return tasks.empty() && !busy; });
}

void Worker::run() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return stopping || !tasks.empty(); });
        if (tasks.empty()) return;
        std::function<void()> task = std::move(tasks.front());
        tasks.pop_front();
        busy = true;
        changed.notify_all();
        lock.unlock();
        task();
        lock.lock();
        busy = false;
        changed.notify_all();
    }
}
