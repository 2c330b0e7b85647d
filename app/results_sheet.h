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

// The figures on one page of `device` (begun, with no margins of its own): a
// heading, each block with its notes under their rows, and the diagram at the foot.
void DrawSheet(QPainter& painter, const QPagedPaintDevice& device, const QList<ShownBlock>& blocks);

// Writes the sheet as a PDF to `path`, renamed into place only once complete;
// returns why it could not be written, or nothing.
QString ExportSheet(const QList<ShownBlock>& blocks, const QString& path);

}  // namespace app
