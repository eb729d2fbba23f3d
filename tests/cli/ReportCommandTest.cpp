// SPDX-License-Identifier: GPL-3.0-or-later
// kelvadrome-cli report and the fixed footer moment (the golden suite covers a valid one): a value
// of KELVADROME_FIXED_TIME that is not a date and time is said and the clock used.
#include <cstdlib>
#include <string>

#include "CliRunner.h"

using kelvadrome::test::CliResult;
using kelvadrome::test::CliTest;

TEST_F(CliTest, MalformedFixedTimeIsSaidAndTheClockUsed) {
  for (const char* wrong : {"2031-02-30T09:05:07", "2031-07-04 09:05:07", "2031-07-04T09:05:07Z", "tomorrow"}) {
    setenv("KELVADROME_FIXED_TIME", wrong, 1);
    const CliResult report = Run({"report", "--default", "-o", PathOf("r.pdf"), "--sections", "dimensions"});
    unsetenv("KELVADROME_FIXED_TIME");
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.err.find(std::string("kelvadrome-cli report: KELVADROME_FIXED_TIME '") + wrong +
                              "' is not a date and time like 2026-01-01T12:00:00"),
              std::string::npos)
        << report.err;
    const std::string toText = "pdftotext -layout '" + PathOf("r.pdf") + "' '" + PathOf("r.txt") + "'";
    EXPECT_EQ(std::system(toText.c_str()), 0);
    EXPECT_EQ(Slurp(PathOf("r.txt")).find("09:05:07"), std::string::npos) << wrong;
  }
}
