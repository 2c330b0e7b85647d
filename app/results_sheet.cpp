#include "app/results_sheet.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "app/results_text.h"
#include "ui/diagram.h"
#include "ui/fonts.h"

namespace app {
namespace {

// Lengths in points.
constexpr double kMargin = 42;  // about 15 mm on every side
constexpr double kLine = 11;    // from one baseline to the next
constexpr double kGap = 12;     // between columns
constexpr double kIndent = 10;  // of the rows under a block's caption
constexpr double kTextSize = 8.5;
constexpr double kNoteSize = 7;
const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kGreyed(0x80, 0x80, 0x80);

// A pen that moves down the page line by line, in points.
class SheetWriter {
 public:
  SheetWriter(QPainter& painter, const QPagedPaintDevice& device)
      : unit(device.logicalDpiX() / 72.0), painter_(painter) {}

  void SetFont(double points, bool bold, const QColor& colour) {
    QFont font = ui::FontFor(ui::FontRole::Window);
    font.setPointSizeF(points);
    font.setBold(bold);
    painter_.setFont(font);
    painter_.setPen(colour);
  }
  double Width(const QString& text) const {
    return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(text) / unit;
  }
  void Text(double x, const QString& text) { painter_.drawText(QPointF(x, y) * unit, text); }

  // The left edge of each column of rows [first, last), wide enough for every cell.
  QList<double> Columns(const ShownBlock& block, qsizetype first, qsizetype last) const {
    QList<double> lefts{0};
    for (qsizetype i = first; i < last; ++i) {
      const QStringList& cells = block.rows[i].cells;
      lefts.resize(std::max(lefts.size(), cells.size() + 1));
      for (qsizetype j = 0; j < cells.size(); ++j) {
        lefts[j + 1] = std::max(lefts[j + 1], Width(cells[j]));
      }
    }
    for (qsizetype j = 1; j < lefts.size(); ++j) lefts[j] += lefts[j - 1] + kGap;
    return lefts;
  }

  double y = kMargin;
  const double unit;  // device units in a point

 private:
  QPainter& painter_;
};

// Where a block's inputs end: at its table's heading, or with its rows.
qsizetype InputsEnd(const ShownBlock& block) {
  return block.tableRow < 0 ? block.rows.size() : block.tableRow;
}

}  // namespace

QPageSize LocalePageSize() {
  QString name;
  for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
    name = qEnvironmentVariable(variable);
    if (!name.isEmpty()) break;
  }
  const QLocale locale(name.section(QLatin1Char('.'), 0, 0));
  const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem ||
                      locale.territory() == QLocale::Canada;
  return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

void DrawSheet(QPainter& painter, const QPagedPaintDevice& device,
               const QList<ShownBlock>& blocks) {
  SheetWriter sheet(painter, device);
  const QSizeF page = device.pageLayout().fullRectPoints().size();
  sheet.y += 16;
  sheet.SetFont(16, true, kInk);
  sheet.Text(kMargin, QStringLiteral("Focimetra"));
  sheet.y += kLine * 1.5;
  sheet.SetFont(kTextSize, false, kInk);
  const QString made = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  sheet.Text(kMargin, QStringLiteral("Version " FOCIMETRA_VERSION ", ") + made);
  sheet.y += kLine * 2;

  // Inputs and camera data share one column of names across the blocks.
  QList<double> nameColumns{0, 0};
  for (const ShownBlock& block : blocks) {
    nameColumns[1] = std::max(nameColumns[1], sheet.Columns(block, 1, InputsEnd(block)).value(1));
  }
  for (const ShownBlock& block : blocks) {
    sheet.SetFont(kTextSize, true, kInk);
    sheet.Text(kMargin, block.rows.front().cells.value(0));
    sheet.y += kLine;
    const qsizetype inputs = InputsEnd(block);
    sheet.SetFont(kTextSize, false, kInk);
    const QList<double> tableColumns = sheet.Columns(block, inputs, block.rows.size());
    for (qsizetype i = 1; i < block.rows.size(); ++i) {
      const ShownRow& row = block.rows[i];
      sheet.SetFont(kTextSize, i == block.tableRow, row.greyed ? kGreyed : kInk);
      const QList<double>& columns = i < inputs ? nameColumns : tableColumns;
      for (int j = 0; j < row.cells.size(); ++j) {
        sheet.Text(kMargin + kIndent + columns.value(j), row.cells[j]);
      }
      sheet.y += kLine;
      sheet.SetFont(kNoteSize, false, kGreyed);
      for (const QString& note : row.notes) {
        sheet.Text(kMargin + 2 * kIndent, note);
        sheet.y += kLine * 0.9;
      }
    }
    sheet.y += kLine * 0.6;
  }

  const QRectF rest(kMargin, sheet.y, page.width() - 2 * kMargin,
                    page.height() - kMargin - sheet.y);
  if (rest.height() <= 0) return;
  const QSizeF size = ui::DiagramSourceSize().scaled(rest.size(), Qt::KeepAspectRatio);
  const QPointF at(rest.left(), rest.bottom() - size.height());
  ui::DrawDiagram(painter, QRectF(at * sheet.unit, size * sheet.unit));
}

QString ExportSheet(const QList<ShownBlock>& blocks, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  {
    QPdfWriter writer(&file);
    writer.setPageSize(LocalePageSize());
    writer.setPageMargins(QMarginsF());
    writer.setTitle(QStringLiteral("Focimetra"));
    writer.setCreator(QStringLiteral("Focimetra " FOCIMETRA_VERSION));
    QPainter painter(&writer);
    DrawSheet(painter, writer, blocks);
  }
  // Nothing is renamed into place unless every byte was written.
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace app
