// SPDX-License-Identifier: GPL-3.0-or-later
// The critical slip circle for the windows: searched on a worker thread so that typing never
// waits for it, and kept for the project it was found for, so that an unchanged project is never
// searched twice.
#pragma once

#include <QObject>

#include <optional>
#include <thread>

#include "engine/AnalysisResults.h"
#include "engine/GlobalStability.h"
#include "model/ProjectData.h"

namespace kelvadrome {

class GlobalSearch final : public QObject {
  Q_OBJECT

 public:
  explicit GlobalSearch(QObject* parent = nullptr);
  ~GlobalSearch() override;  // waits for a running search (a few tens of milliseconds)

  // The result for this project (after its service analysis) when it is known; otherwise starts
  // its search in the background, or queues it behind the one running, and returns nothing.
  // Finished is emitted when the result is known.
  [[nodiscard]] std::optional<GlobalStabilityResults> Request(const ProjectData& project,
                                                              const AnalysisResults& service);

  // The result now: the kept one, or a search on the caller's thread (for a command the user
  // waits for anyway: the stability window, the report).
  [[nodiscard]] GlobalStabilityResults Compute(const ProjectData& project, const AnalysisResults& service);

  [[nodiscard]] bool Running() const { return running_.has_value(); }

 signals:
  void Finished();

 private:
  struct Job {
    ProjectData project;
    AnalysisResults service;
  };
  struct Known {
    ProjectData project;
    GlobalStabilityResults result;
  };
  void Start(Job job);
  void OnSearched(const ProjectData& project, const GlobalStabilityResults& result);

  std::optional<Known> known_;
  std::optional<ProjectData> running_;  // the project being searched
  std::optional<Job> queued_;           // the latest project asked for while one was running
  std::jthread worker_;
};

}  // namespace kelvadrome
