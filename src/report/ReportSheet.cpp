// SPDX-License-Identifier: GPL-3.0-or-later
// Page geometry of a printing run: the mapping of report units to the device, the section
// frame with its title bar, and the pens.
#include "report/ReportSheet.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

#include "model/ProjectData.h"
#include "report/ReportText.h"

namespace kelvadrome {
namespace {

// The title bar's cells are a fifth of the page wide: a name or heading that would run over the
// cell's lines is written smaller, so that it stays inside its cell with a little room.
void SetFittingFont(ReportSheet& sheet, const QString& text, double cellWidth, double points, bool bold) {
  constexpr double kCellPadding = 120;
  SetReportFont(sheet, sheet.fonts.defaultReportFont, points, bold, false);
  const double width = TextWidth(sheet, text);
  if (width > cellWidth - kCellPadding && width > 0) {
    SetReportFont(sheet, sheet.fonts.defaultReportFont, points * (cellWidth - kCellPadding) / width, bold, false);
  }
}

}  // namespace

ReportSheet::ReportSheet(QPainter& painterIn, QPagedPaintDevice& deviceIn, ReportFonts fontsIn)
    : painter(painterIn), device(deviceIn), fonts(std::move(fontsIn)) {}

void BeginReport(ReportSheet& sheet, const ProjectData& project) {
  const QPageLayout layout = sheet.device.pageLayout();
  // Millimetres: an A4 sheet less the default margins is then exactly the layout's 165 by 257 mm.
  const QRectF full = layout.fullRect(QPageLayout::Millimeter);
  const QRectF paint = layout.paintRect(QPageLayout::Millimeter);

  // Printable area inside the project's margins, in printer twips.
  const double width = full.width() * kTwipsPerMm - (project.pageMarginA + project.pageMarginB) * kTwipsPerMm;
  const double height = full.height() * kTwipsPerMm - (project.pageMarginC + project.pageMarginD) * kTwipsPerMm;
  sheet.reportScale = static_cast<float>(std::max(std::min(width / kLayoutWidth, height / kLayoutHeight), 0.01));

  // The painter starts at the device's printable corner; move the origin to the margins' corner.
  sheet.pixelsPerTwip = TwipsScale::ForDevice(&sheet.device).PixelsPerTwip();
  sheet.deviceScale = sheet.reportScale * sheet.pixelsPerTwip;
  const double offsetX = project.pageMarginA * kTwipsPerMm - paint.left() * kTwipsPerMm;
  const double offsetY = project.pageMarginC * kTwipsPerMm - paint.top() * kTwipsPerMm;
  sheet.painter.resetTransform();
  sheet.painter.translate(offsetX * sheet.pixelsPerTwip, offsetY * sheet.pixelsPerTwip);
  sheet.painter.scale(sheet.deviceScale, sheet.deviceScale);
  sheet.painter.setRenderHint(QPainter::Antialiasing, true);

  sheet.pageWidth = static_cast<int>(std::floor(width / sheet.reportScale));
  sheet.pageHeight = static_cast<int>(std::floor(height / sheet.reportScale));
  sheet.halfHeight = static_cast<int>(std::floor(sheet.pageHeight / 2.0 - kHalfGap));
  sheet.sectionContentHeight = static_cast<int>(std::floor(sheet.halfHeight - kTitleBarHeight));
  sheet.pageNumber = 1;
  sheet.pageHalf = -1;
}

void SetPenWidthMm(ReportSheet& sheet, double millimetres) {
  const double pixels = std::max(1.0, std::floor(millimetres * kTwipsPerMm * sheet.pixelsPerTwip));
  QPen pen = sheet.painter.pen();
  pen.setWidthF(pixels / sheet.deviceScale);
  sheet.painter.setPen(pen);
}

void SetPenColour(ReportSheet& sheet, const QColor& colour) {
  QPen pen = sheet.painter.pen();
  pen.setColor(colour);
  sheet.painter.setPen(pen);
}

void PrintLine(ReportSheet& sheet, double x1, double y1, double x2, double y2) {
  sheet.painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void DrawSectionFrame(ReportSheet& sheet, const ProjectData& project) {
  sheet.sectionTop = static_cast<int>(std::floor((sheet.halfHeight + kHalfGap) * sheet.pageHalf));
  sheet.sectionBodyTop = static_cast<int>(std::floor(sheet.sectionTop + kTitleBarHeight));
  const double width = sheet.pageWidth;
  const double scale = sheet.reportScale;
  QPainter& painter = sheet.painter;

  SetPenWidthMm(sheet, 0.2);
  SetPenColour(sheet, ClassicColour(1));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(0, sheet.sectionTop, width, sheet.halfHeight));

  painter.setBrush(Qt::NoBrush);
  SetPenColour(sheet, ClassicColour(0));
  PrintLine(sheet, 0, sheet.sectionBodyTop, width, sheet.sectionBodyTop);
  PrintLine(sheet, 0.2 * width, sheet.sectionTop, 0.2 * width, sheet.sectionBodyTop);
  PrintLine(sheet, 0.4 * width, sheet.sectionTop, 0.4 * width, sheet.sectionBodyTop);

  // First cell: the program's name with its version under it, both inside the bar.
  sheet.textColour = ClassicColour(0);
  SetFittingFont(sheet, QStringLiteral("Kelvadrome"), 0.2 * width, 16 * scale, false);
  sheet.currentY = sheet.sectionTop;
  PrintCentred(sheet, QStringLiteral("Kelvadrome"), 0.1 * width);
  const double nameBottom = sheet.sectionTop + TextHeight(sheet);
  sheet.textColour = ClassicColour(1);
  SetReportFont(sheet, sheet.fonts.defaultReportFont, 6 * scale, false, false);
  sheet.currentY = std::min(nameBottom, sheet.sectionBodyTop - TextHeight(sheet));
  PrintCentred(sheet, QStringLiteral("Version ") + QString::fromLatin1(kProgramVersion), 0.1 * width);

  // Third cell: the project title, shortened to its cell.
  sheet.textColour = ClassicColour(0);
  const QString title = FitText(sheet, QString::fromStdString(project.projectTitle), 0.6 * width,
                                sheet.fonts.defaultReportFont, 10 * scale, false, false);
  sheet.currentY = sheet.sectionTop + 253.6 / 2;
  PrintCentred(sheet, title, 0.7 * width);
}

void PrintSectionHeading(ReportSheet& sheet, const QString& heading, double points, double topOffset) {
  sheet.textColour = ClassicColour(0);
  SetFittingFont(sheet, heading, 0.2 * sheet.pageWidth, points, true);
  sheet.currentY = sheet.sectionTop + topOffset;
  PrintCentred(sheet, heading, 0.3 * sheet.pageWidth);
}

}  // namespace kelvadrome
