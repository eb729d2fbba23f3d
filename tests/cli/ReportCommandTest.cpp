// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli report and the fixed footer moment (the golden suite covers a valid one): a value
// of KELVADROME_FIXED_TIME that is not a date and time is said and the clock used.
#include <cstdlib>
#include <string>

#include "CliRunner.h"

using kelvadrome::test::CliResult;
using kelvadrome::test::CliTest;

namespace {

// Sets an environment variable for the commands of one test.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) { setenv(name, value, 1); }
  ~ScopedVariable() { unsetenv(name_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
};

class ReportTest : public CliTest {
 protected:
  std::string ReportText() {
    const CliResult report = Run({"report", "--default", "-o", PathOf("r.pdf"), "--sections", "dimensions"});
    EXPECT_EQ(report.status, 0) << report.err;
    lastErr_ = report.err;
    const std::string command = "pdftotext -layout '" + PathOf("r.pdf") + "' '" + PathOf("r.txt") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return Slurp(PathOf("r.txt"));
  }
  std::string lastErr_;
};

TEST_F(ReportTest, MalformedFixedTimeIsSaidAndTheClockUsed) {
  for (const char* wrong : {"2031-02-30T09:05:07", "2031-07-04 09:05:07", "2031-07-04T09:05:07Z", "tomorrow"}) {
    const ScopedVariable fixed("KELVADROME_FIXED_TIME", wrong);
    const std::string text = ReportText();
    EXPECT_NE(lastErr_.find(std::string("kelvadrome-cli report: KELVADROME_FIXED_TIME '") + wrong +
                            "' is not a date and time like 2026-01-01T12:00:00"),
              std::string::npos)
        << lastErr_;
    EXPECT_EQ(text.find("09:05:07"), std::string::npos) << wrong;
  }
}

}  // namespace
