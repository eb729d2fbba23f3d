// SPDX-License-Identifier: GPL-3.0-or-later
// The background search for the critical slip circle.
#include "ui/main/GlobalSearch.h"

#include <QMetaObject>
#include <QPointer>

#include <exception>
#include <utility>

namespace kelvadrome {

GlobalSearch::GlobalSearch(QObject* parent) : QObject(parent) {}

GlobalSearch::~GlobalSearch() = default;  // the jthread joins; its queued answer is dropped with us

std::optional<GlobalStabilityResults> GlobalSearch::Request(const ProjectData& project,
                                                            const AnalysisResults& service) {
  if (known_ && known_->project == project) return known_->result;
  if (running_) {
    // Only the latest state matters: earlier ones asked for while typing are forgotten.
    if (*running_ == project) {
      queued_.reset();
    } else {
      queued_ = Job{project, service};
    }
    return std::nullopt;
  }
  Start(Job{project, service});
  return std::nullopt;
}

GlobalStabilityResults GlobalSearch::Compute(const ProjectData& project, const AnalysisResults& service) {
  if (known_ && known_->project == project) return known_->result;
  const GlobalStabilityResults result = ComputeGlobalStability(project, service);
  if (!running_) known_ = Known{project, result};
  return result;
}

void GlobalSearch::Start(Job job) {
  if (worker_.joinable()) worker_.join();  // the last one has posted its answer already
  running_ = job.project;
  worker_ = std::jthread([this, job = std::move(job)] {
    GlobalStabilityResults result;  // not computed, should the section itself be faulty
    try {
      result = ComputeGlobalStability(job.project, job.service);
    } catch (const std::exception&) {
    }
    // Back on the window's thread; dropped unread when this object is gone by then.
    QMetaObject::invokeMethod(
        this, [this, project = job.project, result] { OnSearched(project, result); }, Qt::QueuedConnection);
  });
}

void GlobalSearch::OnSearched(const ProjectData& project, const GlobalStabilityResults& result) {
  known_ = Known{project, result};
  running_.reset();
  if (queued_) {
    Job next = std::move(*queued_);
    queued_.reset();
    if (!(next.project == project)) Start(std::move(next));
  }
  emit Finished();
}

}  // namespace kelvadrome
