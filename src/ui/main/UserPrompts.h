// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes and the unsaved-changes question behind an interface, so that tests record
// them instead of blocking; plus the engine's message sink that shows its messages.
#pragma once

#include <QString>
#include <string_view>

#include "engine/MessageSink.h"

class QWidget;

namespace kelvadrome {

enum class SaveChoice { Save, Discard, Cancel };

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // A message box with the exclamation icon and the title "Kelvadrome".
  virtual void Warn(QWidget* parent, const QString& text) = 0;
  // Asked before New, Open, a recent file or Exit would drop a changed project.
  [[nodiscard]] virtual SaveChoice AskSaveChanges(QWidget* parent, const QString& projectName) = 0;
};

class QtUserPrompts final : public UserPrompts {
 public:
  void Warn(QWidget* parent, const QString& text) override;
  [[nodiscard]] SaveChoice AskSaveChanges(QWidget* parent, const QString& projectName) override;
};

// Shows each engine message as a warning box over the given window.
class PromptSink final : public MessageSink {
 public:
  PromptSink(UserPrompts& prompts, QWidget* parent) : prompts_(prompts), parent_(parent) {}
  void Warn(std::string_view text) override;

 private:
  UserPrompts& prompts_;
  QWidget* parent_;
};

}  // namespace kelvadrome
