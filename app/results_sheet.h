#pragma once

#include <QList>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace app {

struct ShownBlock;

// The paper of the user's locale (LC_ALL, else LC_PAPER, else LANG): Letter where
// the locale measures in US units and in Canada, A4 elsewhere.
QPageSize LocalePageSize();

// The figures on one page of `device`, which the painter is begun on and whose
// page has no margins of its own: a heading with the version and the time, each
// block as the window shows it with the tool tips' notes under their rows, and
// the diagram, still vector, in the space left at the foot of the page.
void DrawSheet(QPainter& painter, const QPagedPaintDevice& device, const QList<ShownBlock>& blocks);

// Writes the sheet as a PDF file into a temporary file beside `path`, renamed to
// it only once complete; returns why it could not be written, or nothing.
QString ExportSheet(const QList<ShownBlock>& blocks, const QString& path);

}  // namespace app
