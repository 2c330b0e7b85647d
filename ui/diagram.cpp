#include "ui/diagram.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <cmath>

namespace ui {
namespace {

const QString kPicture = QStringLiteral(":/focimetra/diagram.png");
const QString kSource = QStringLiteral(":/focimetra/diagram.svg");

QByteArray Source() {
  QFile file(kSource);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A text of the diagram, where its groups place it and in their font.
struct DiagramText {
  QPointF at;
  double size = 16;
  QStringList families;
  QColor colour = Qt::black;
  QString anchor;
  QString text;
};

// The source's texts, each with what it takes from the groups around it: their
// offsets (the source moves groups by translate alone), font and fill.
QList<DiagramText> DiagramTexts(const QByteArray& source) {
  static const QRegularExpression translate(QStringLiteral(R"(translate\(([-\d.]+),([-\d.]+)\))"));
  QList<DiagramText> texts;
  QList<DiagramText> open{{}};
  QXmlStreamReader reader(source);
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      DiagramText text = open.back();
      text.text.clear();
      const auto a = [attributes = reader.attributes()](const char* name) {
        return attributes.value(QLatin1String(name));
      };
      const QRegularExpressionMatch move = translate.match(a("transform"));
      if (move.hasMatch())
        text.at += QPointF(move.captured(1).toDouble(), move.captured(2).toDouble());
      if (reader.name() == u"text") text.at += QPointF(a("x").toDouble(), a("y").toDouble());
      if (!a("font-size").isEmpty()) text.size = a("font-size").toDouble();
      if (!a("font-family").isEmpty()) {
        text.families = a("font-family").toString().split(QStringLiteral(", "));
      }
      if (!a("fill").isEmpty()) text.colour = QColor(a("fill").toString());
      if (!a("text-anchor").isEmpty()) text.anchor = a("text-anchor").toString();
      open.append(text);
    } else if (reader.isCharacters()) {
      open.back().text += reader.text();
    } else if (reader.isEndElement()) {
      if (reader.name() == u"text") texts.append(open.back());
      open.removeLast();
    }
  }
  return texts;
}

}  // namespace

QSizeF DiagramSourceSize() { return QSvgRenderer(Source()).viewBoxF().size(); }

// The renderer would draw the texts as outlines: it draws the shapes alone and
// the texts are set here.
void DrawDiagram(QPainter& painter, const QRectF& target) {
  const QByteArray source = Source();
  static const QRegularExpression textElement(QStringLiteral("<text[^>]*>[^<]*</text>"));
  QSvgRenderer shapes(QString::fromUtf8(source).remove(textElement).toUtf8());
  if (!shapes.isValid()) return;
  shapes.render(&painter, target);
  const double scale = target.width() / shapes.viewBoxF().width();
  for (const DiagramText& text : DiagramTexts(source)) {
    QFont font;
    font.setFamilies(text.families);
    font.setPointSizeF(text.size * scale * 72 / painter.device()->logicalDpiY());
    painter.setFont(font);
    painter.setPen(text.colour);
    const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text.text);
    const double shift = text.anchor == u"end" ? width : text.anchor == u"middle" ? width / 2 : 0;
    painter.drawText(target.topLeft() + text.at * scale - QPointF(shift, 0), text.text);
  }
}

// The picture is embedded: its header is read once.
QSize DiagramNaturalSize() {
  static const QSize size = QImageReader(kPicture).size();
  return size;
}

QPixmap RenderDiagram(QSizeF logicalSize, qreal devicePixelRatio) {
  const QSize pixels(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                     static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
  // The common sizes come ready-made from the same source.
  QPixmap diagram(
      QStringLiteral(":/focimetra/diagram-%1x%2.png").arg(pixels.width()).arg(pixels.height()));
  if (diagram.isNull()) {
    QSvgRenderer source(kSource);
    if (source.isValid()) {
      QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::white);
      QPainter painter(&image);
      painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                             QPainter::SmoothPixmapTransform);
      source.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
      painter.end();
      diagram = QPixmap::fromImage(image);
    } else {
      diagram = QPixmap(kPicture).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
  }
  diagram.setDevicePixelRatio(devicePixelRatio);
  return diagram;
}

}  // namespace ui
