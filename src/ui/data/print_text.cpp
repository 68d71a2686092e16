#include "ui/data/print_text.h"

#include <algorithm>
#include <memory>

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include "ui/data/data_window.h"

namespace korvel::ui {

namespace {

// The paper keeps at least this much white around the text, in millimetres.
constexpr qreal kLeastMargin = 12.0;

// Below this the printout is no longer readable; longer lines are cut at
// the right edge of the paper instead.
constexpr qreal kSmallestPoints = 5.0;

QStringList linesOf(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QStringList lines = s.split(QLatin1Char('\n'));
  // The last line end closes the last line; it does not open another.
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
  return lines;
}

}  // namespace

bool printPlainText(const std::string& title, const std::string& text, std::string& reason, const QString& pdfPath) {
  std::unique_ptr<QPrinter> printer;
  QString where;
  if (pdfPath.isEmpty()) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
      reason = "プリンタが設定されていません。プリンタを設定してから、もう一度印刷してください。";
      return false;
    }
    printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    where = QStringLiteral("プリンタ「%1」").arg(info.printerName());
  } else {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfPath);
    where = QStringLiteral("ファイル「%1」").arg(pdfPath);
  }
  printer->setDocName(QString::fromStdString(title));
  // The printer's own margins, where they are wider than the least margin.
  QMarginsF margins = printer->pageLayout().margins(QPageLayout::Millimeter);
  margins = QMarginsF(std::max(margins.left(), kLeastMargin), std::max(margins.top(), kLeastMargin),
                      std::max(margins.right(), kLeastMargin), std::max(margins.bottom(), kLeastMargin));
  printer->setPageMargins(margins, QPageLayout::Millimeter);
  printer->setCreator(QStringLiteral("Korvel"));

  QPainter painter;
  if (!painter.begin(printer.get())) {
    reason = (where + QStringLiteral("に印刷できません。")).toStdString();
    return false;
  }

  // The painter's origin is the top left of the printable area.
  const QRectF area = printer->pageRect(QPrinter::DevicePixel);
  const QStringList lines = linesOf(text);

  // The longest line fits the width of the paper, in a smaller size if need be.
  QFont font = listFont();
  qreal widest = 0;
  {
    const QFontMetricsF metrics(font, printer.get());
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  if (widest > area.width())
    font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() * area.width() / widest * 0.99));
  painter.setFont(font);
  const QFontMetricsF metrics(font, printer.get());
  const qreal lineHeight = metrics.lineSpacing();
  const int linesPerPage = std::max(1, static_cast<int>(area.height() / lineHeight));

  bool ok = true;
  for (int i = 0; i < lines.size() && ok; ++i) {
    const int row = i % linesPerPage;
    if (row == 0 && i > 0) ok = printer->newPage();
    if (ok) painter.drawText(QPointF(0, row * lineHeight + metrics.ascent()), lines[i]);
  }
  // The end of the job sends it to the printer.
  ok = painter.end() && ok;
  if (!ok || printer->printerState() == QPrinter::Error) {
    reason = (where + QStringLiteral("への印刷が途中で失敗しました。")).toStdString();
    return false;
  }
  return true;
}

}  // namespace korvel::ui
