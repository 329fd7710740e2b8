#pragma once
// Threads where the platform has them. The WebAssembly build runs without threads: work meant
// for helper threads then runs on the calling thread. std::jthread is used where the standard
// library has it, else a std::thread joined on destruction.
#include <thread>
#include <utility>

namespace rainbow::portable {

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
inline constexpr bool has_threads = false;
#else
inline constexpr bool has_threads = true;
#endif

#if defined(__cpp_lib_jthread)
using joining_thread = std::jthread;
#else
class joining_thread {
public:
    template <class F>
    explicit joining_thread(F&& f) : thread_(std::forward<F>(f)) {}
    joining_thread(joining_thread&&) noexcept = default;
    joining_thread& operator=(joining_thread&&) = delete;
    ~joining_thread() {
        if (thread_.joinable()) thread_.join();
    }

private:
    std::thread thread_;
};
#endif

}  // namespace rainbow::portable
