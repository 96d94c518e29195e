// GoogleTest's customisation point, used by the builds whose runtime has the win32 thread model:
// that runtime has no std::mutex or std::condition_variable, which GoogleTest's Notification is
// made of. GoogleTest's own locks are Win32 critical sections; Notification only lets the
// threads of GoogleTest's ThreadWithParam wait for their start, which our tests don't use, so a
// flag they spin on does.
#ifndef KRUMBEL_GTEST_CUSTOM_PORT_H
#define KRUMBEL_GTEST_CUSTOM_PORT_H

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    void Notify() { notified_ = true; }
    void WaitForNotification() {
        while (!notified_) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal

#endif
