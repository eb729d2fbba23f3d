// SPDX-License-Identifier: GPL-3.0-or-later
// Where the engine's messages go: a message box in the desktop program, a list in tests and on
// the command line. The engine never shows anything itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvadrome {

struct MessageSink {
  virtual ~MessageSink() = default;
  virtual void Warn(std::string_view text) = 0;
};

// Records every message in the order it was raised.
struct RecordingSink final : MessageSink {
  std::vector<std::string> messages;
  void Warn(std::string_view text) override { messages.emplace_back(text); }
};

}  // namespace kelvadrome
