// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a body for every index of a range on several threads. Each index is handled exactly once
// and the body writes only its own slot, so the outcome is the same on any number of threads.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace kelvadrome {

// threads 0 means one per hardware thread; never more threads than indices.
template <typename Body>
void ParallelFor(std::size_t count, unsigned threads, const Body& body) {
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  const auto workers = static_cast<unsigned>(std::min<std::size_t>(threads, count));
  if (workers <= 1) {
    for (std::size_t i = 0; i < count; ++i) body(i);
    return;
  }
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next.fetch_add(1); i < count; i = next.fetch_add(1)) body(i);
  };
  std::vector<std::jthread> pool;
  pool.reserve(workers - 1);
  for (unsigned t = 1; t < workers; ++t) pool.emplace_back(work);
  work();
}  // the jthreads join here

}  // namespace kelvadrome
