// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the project-file reader: any bytes either give a project that the file can hold, which
// writes back to bytes that read back to the same project, or a ProjectFileError. Anything else
// (a crash, a leak, undefined behaviour, another exception) is a fault.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "model/ProjectFile.h"

using namespace kelvadrome;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "project-file fuzzer: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  ProjectData project;
  try {
    project = DecodeProjectFile(std::span<const uint8_t>(data, size), "fuzz.kvi");
  } catch (const ProjectFileError&) {
    return 0;  // refused: the expected end of most inputs
  }
  if (project.unitSystem < kMetric || project.unitSystem > kBritish) Fail("unknown unit system read");
  if (project.lineLoadCount < 0 || project.lineLoadCount > kMaxLineLoads) Fail("line load count out of range");
  for (int i = 1; i <= project.lineLoadCount; ++i) {
    const LoadCase loadCase = project.lineLoads[static_cast<std::size_t>(i)].loadCase;
    if (loadCase < LoadCase::dead || loadCase > LoadCase::seismic) Fail("unknown load case read");
  }
  // What was read is written in this version's layout and reads back the same. Bytes are
  // compared rather than projects, since a NaN in the file is never equal to itself.
  const std::vector<uint8_t> written = EncodeProjectFile(project);
  const std::vector<uint8_t> again = EncodeProjectFile(DecodeProjectFile(written, "again.kvi"));
  if (written != again) Fail("a project read from a file does not survive writing and reading");
  return 0;
}
