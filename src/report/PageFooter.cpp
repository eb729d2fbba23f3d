// SPDX-License-Identifier: GPL-3.0-or-later
// Expansion of the footer tokens and the footer line of each page.
#include "report/PageFooter.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

#include <array>
#include <cmath>

#include "format/NumberFormat.h"
#include "model/ProjectData.h"
#include "report/ReportSheet.h"
#include "report/ReportText.h"

namespace kelvadrome {
namespace {

QString FileToken(const std::string& filePath) {
  if (filePath.empty()) return QStringLiteral("[Unnamed]");
  return QFileInfo(QString::fromStdString(filePath)).fileName().toUpper();
}

QString PageToken(int page) { return QString::fromStdString(FormatGeneral(static_cast<float>(page))); }

}  // namespace

QString FooterTime(const QTime& time) {
  // A format string, not the locale's time format: most locales' short format drops the
  // seconds, and some write the hours in a 12-hour clock or in their own digits.
  return time.toString(QStringLiteral("HH:mm:ss"));
}

FooterContext FooterContextNow(const std::string& filePath) {
  return FooterContextAt(QDateTime::currentDateTime(), filePath);
}

FooterContext FooterContextAt(const QDateTime& moment, const std::string& filePath) {
  FooterContext context;
  context.date = QLocale::system().toString(moment.date(), QLocale::LongFormat);
  context.time = FooterTime(moment.time());
  context.filePath = filePath;
  return context;
}

std::optional<QDateTime> ParseFixedTime(const QString& text) {
  // Qt's parser is lenient about surrounding blanks; the value must be exactly the form.
  if (text.size() != 19) return std::nullopt;
  const QDateTime moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
  if (!moment.isValid()) return std::nullopt;
  return moment;
}

QString ExpandFooterTokens(const QString& text, const FooterContext& context) {
  static const std::array<QString, 5> kKeywords{QStringLiteral("DATE"), QStringLiteral("TIME"),
                                                QStringLiteral("INPUT"), QStringLiteral("PAGE"),
                                                QStringLiteral("NPAGES")};
  QString result;
  qsizetype i = 0;
  while (i < text.size()) {
    if (text.at(i) != u'&') {
      result += text.at(i++);
      continue;
    }
    int matched = -1;
    for (size_t k = 0; k < kKeywords.size() && matched < 0; ++k) {
      if (text.mid(i + 1, kKeywords[k].size()).compare(kKeywords[k], Qt::CaseInsensitive) == 0) {
        matched = static_cast<int>(k);
      }
    }
    if (matched < 0) {
      result += text.at(i++);
      continue;
    }
    switch (matched) {
      case 0: result += context.date; break;
      case 1: result += context.time; break;
      case 2: result += FileToken(context.filePath); break;
      case 3: result += PageToken(context.pageNumber); break;
      default:
        if (context.totalPages > 0) result += PageToken(context.totalPages);
        break;
    }
    i += 1 + kKeywords[static_cast<size_t>(matched)].size();
  }
  return result;
}

void PrintPageFooter(ReportSheet& sheet, const ProjectData& project, const FooterContext& context) {
  constexpr double kFooterPoints = 8;  // not scaled: the footer keeps its size on any margins
  const std::string& font = project.reportFontName.empty() ? sheet.fonts.defaultReportFont : project.reportFontName;
  sheet.textColour = ClassicColour(0);
  SetReportFont(sheet, font, kFooterPoints, false, false);
  // The footer's top lies one line above the bottom of the printable area.
  sheet.currentY = sheet.pageHeight - TextHeight(sheet);
  const double width = sheet.pageWidth;
  const auto fitted = [&](int index) {
    return FitText(sheet, ExpandFooterTokens(QString::fromStdString(project.headerFooterTexts.at(index)), context),
                   width, font, kFooterPoints, false, false);
  };
  const QString left = fitted(1);
  sheet.currentX = 0;
  PrintText(sheet, left);
  PrintCentred(sheet, fitted(2), width / 2);
  PrintRight(sheet, fitted(3), width);
}

}  // namespace kelvadrome
