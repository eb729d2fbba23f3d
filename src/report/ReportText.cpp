// SPDX-License-Identifier: GPL-3.0-or-later
// Text operations of the report, in report units on the sheet's painter.
#include "report/ReportText.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <vector>

#include "report/ReportSheet.h"

namespace kelvadrome {
namespace {

constexpr double kTwipsPerPoint = 20.0;

// Height in report units of a font printed at the given size in points.
double UnitsForPoints(const ReportSheet& sheet, double points) {
  return points * kTwipsPerPoint / sheet.reportScale;
}

QFontMetricsF Metrics(const ReportSheet& sheet) { return QFontMetricsF(sheet.painter.font(), &sheet.device); }

void SetFontSize(ReportSheet& sheet, double points) {
  QFont font = sheet.painter.font();
  // The painter's font sizes are in its logical units, which are report units here.
  font.setPointSizeF(UnitsForPoints(sheet, points) * 72.0 / sheet.device.logicalDpiY());
  sheet.painter.setFont(font);
  sheet.fontPoints = points;
}

// Writes text at (x, y top) in the current font and text colour; returns its width.
double DrawTopLeft(ReportSheet& sheet, const QString& text, double x, double y) {
  const QFontMetricsF metrics = Metrics(sheet);
  const QPen saved = sheet.painter.pen();
  sheet.painter.setPen(sheet.textColour);
  sheet.painter.drawText(QPointF(x, y + metrics.ascent()), text);
  sheet.painter.setPen(saved);
  return metrics.horizontalAdvance(text);
}

// Subscript and superscript: two thirds of the size, shifted by a part of the font height.
void PrintShifted(ReportSheet& sheet, const QString& text, double shiftInHeights) {
  const double points = sheet.fontPoints;
  const double shift = UnitsForPoints(sheet, points) * shiftInHeights;
  SetFontSize(sheet, points * 2.0 / 3.0);
  sheet.currentX += DrawTopLeft(sheet, text, sheet.currentX, sheet.currentY + shift);
  SetFontSize(sheet, points);
}

}  // namespace

void SetReportFont(ReportSheet& sheet, const std::string& name, double points, bool bold, bool italic) {
  QFont font(QString::fromStdString(name));
  font.setBold(bold);
  font.setItalic(italic);
  font.setKerning(false);
  sheet.painter.setFont(font);
  SetFontSize(sheet, points);
}

void SetReportBold(ReportSheet& sheet, bool bold) {
  QFont font = sheet.painter.font();
  font.setBold(bold);
  sheet.painter.setFont(font);
}

QString FitText(ReportSheet& sheet, const QString& text, double maxWidth, const std::string& name, double points,
                bool bold, bool italic) {
  SetReportFont(sheet, name, points, bold, italic);
  QString fitted = text;
  while (!fitted.isEmpty() && TextWidth(sheet, fitted) >= maxWidth) fitted.chop(1);
  return fitted;
}

double TextWidth(const ReportSheet& sheet, const QString& text) { return Metrics(sheet).horizontalAdvance(text); }

double TextHeight(const ReportSheet& sheet) { return Metrics(sheet).height(); }

void PrintText(ReportSheet& sheet, const QString& text) {
  sheet.currentX += DrawTopLeft(sheet, text, sheet.currentX, sheet.currentY);
}

void PrintAt(ReportSheet& sheet, const QString& text, double x, double y) {
  sheet.currentX = x;
  sheet.currentY = y;
  PrintText(sheet, text);
}

void PrintCentred(ReportSheet& sheet, const QString& text, double x) {
  sheet.currentX = x - TextWidth(sheet, text) / 2;
  PrintText(sheet, text);
}

void PrintRight(ReportSheet& sheet, const QString& text, double x) {
  sheet.currentX = x - TextWidth(sheet, text);
  PrintText(sheet, text);
}

void PrintSubscript(ReportSheet& sheet, const QString& text) { PrintShifted(sheet, text, 0.5); }

void PrintSuperscript(ReportSheet& sheet, const QString& text) { PrintShifted(sheet, text, -0.125); }

namespace {

// A caption split into runs of plain (0), subscript (1) and superscript (-1) text.
struct CaptionPiece {
  QString text;
  int shift = 0;
};

std::vector<CaptionPiece> SplitCaption(const QString& caption) {
  std::vector<CaptionPiece> pieces(1);
  qsizetype i = 0;
  while (i < caption.size()) {
    const QChar c = caption.at(i);
    const bool marker = (c == u'_' || c == u'^') && i + 1 < caption.size() && caption.at(i + 1) == u'{';
    const qsizetype close = marker ? caption.indexOf(u'}', i + 2) : -1;
    if (close < 0) {
      pieces.back().text += c;
      ++i;
      continue;
    }
    pieces.push_back({caption.mid(i + 2, close - i - 2), c == u'_' ? 1 : -1});
    pieces.push_back({});
    i = close + 1;
  }
  return pieces;
}

}  // namespace

void PrintCaption(ReportSheet& sheet, const QString& caption) {
  for (const CaptionPiece& piece : SplitCaption(caption)) {
    if (piece.shift > 0) {
      PrintSubscript(sheet, piece.text);
    } else if (piece.shift < 0) {
      PrintSuperscript(sheet, piece.text);
    } else {
      PrintText(sheet, piece.text);
    }
  }
}

double CaptionWidth(ReportSheet& sheet, const QString& caption) {
  const double points = sheet.fontPoints;
  double width = 0;
  for (const CaptionPiece& piece : SplitCaption(caption)) {
    if (piece.shift != 0) SetFontSize(sheet, points * 2.0 / 3.0);
    width += TextWidth(sheet, piece.text);
    if (piece.shift != 0) SetFontSize(sheet, points);
  }
  return width;
}

}  // namespace kelvadrome
