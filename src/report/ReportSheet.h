// SPDX-License-Identifier: GPL-3.0-or-later
// The page being printed: painter, page geometry in report units, fonts and the text cursor,
// shared by the report sections and the calculator's printout.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

#include "report/drawing/Palette.h"
#include "report/drawing/TwipsScale.h"

class QPainter;
class QPagedPaintDevice;

namespace kelvadrome {

struct ProjectData;

// The fonts chosen at start-up: the title-bar and section font, and the font of the Greek
// letters. Greek letters are real characters, so the symbol font is normally the report font.
struct ReportFonts {
  std::string defaultReportFont = "Arial";
  std::string symbolFontName = "Arial";
};

// The layout is given for the printable area of an A4 sheet less the default margins
// (165 by 257 mm); every length of the report is in these units, scaled to the real area.
inline constexpr double kLayoutWidth = 9355.5;
inline constexpr double kLayoutHeight = 14571.9;
inline constexpr double kTitleBarHeight = 453.6;
inline constexpr double kHalfGap = 283.5;

// Job state of one printing run. Lengths are report units, y grows downward.
struct ReportSheet {
  ReportSheet(QPainter& painter, QPagedPaintDevice& device, ReportFonts fonts);

  QPainter& painter;
  QPagedPaintDevice& device;
  ReportFonts fonts;

  int pageWidth = 0;
  int pageHeight = 0;
  int halfHeight = 0;
  int sectionContentHeight = 0;
  float reportScale = 1.0f;
  int pageNumber = 1;
  int pageHalf = -1;  // -1 before the first section, 0 upper half, 1 lower half
  int sectionTop = 0;
  int sectionBodyTop = 0;

  // Text cursor: text is written with its top at currentY, starting at currentX.
  double currentX = 0;
  double currentY = 0;
  double fontPoints = 10;  // size of the current font as printed, in points
  QColor textColour = Qt::black;

  // Device pixels per report unit (the painter's scale) and per printer twip.
  double deviceScale = 1;
  double pixelsPerTwip = 1;
};

// The start of a job: page size A4, margins from the project, reportScale, the painter's
// transform to report units, pageWidth/pageHeight/halfHeight/sectionContentHeight; page 1.
void BeginReport(ReportSheet& sheet, const ProjectData& project);

// Pen width in millimetres on paper, at least one device pixel.
void SetPenWidthMm(ReportSheet& sheet, double millimetres);
void SetPenColour(ReportSheet& sheet, const QColor& colour);

// The frame and three-cell title bar of the section in the current half page.
void DrawSectionFrame(ReportSheet& sheet, const ProjectData& project);

// Writes a section heading in the middle cell of the title bar.
void PrintSectionHeading(ReportSheet& sheet, const QString& heading, double points, double topOffset = 253.6 / 2);

// A straight line in the current pen.
void PrintLine(ReportSheet& sheet, double x1, double y1, double x2, double y2);

}  // namespace kelvadrome
