#include "api/lock.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <new>
#include <thread>

namespace trov {
namespace {

// 0 = not initialised, 1 = being initialised, 2 = ready.
std::atomic<int> lockState{0};
// Constructed in place on first use and never destroyed, so late callers during process exit
// still find a working lock.
alignas(std::mutex) unsigned char lockStorage[sizeof(std::mutex)];

std::mutex& EngineMutex() { return *std::launder(reinterpret_cast<std::mutex*>(lockStorage)); }

void EnsureLockCreated() {
  if (lockState.load(std::memory_order_acquire) == 2) return;
  const int previous = lockState.exchange(1, std::memory_order_acq_rel);
  if (previous == 0) {
    new (lockStorage) std::mutex;
    lockState.store(2, std::memory_order_release);
  } else if (previous == 2) {
    lockState.store(2, std::memory_order_release);
  } else {
    while (lockState.load(std::memory_order_acquire) != 2) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
}

}  // namespace

void TakeEngineLock() {
  EnsureLockCreated();
  EngineMutex().lock();
}

void ReleaseEngineLock() { EngineMutex().unlock(); }

}  // namespace trov
