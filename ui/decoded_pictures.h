#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <future>

namespace ui {

// Embedded pictures decoded ahead of need, by resource path. Decoding needs no
// window and is safe on any thread, so the program decodes the pictures its
// window shows while the toolkit is still connecting to the display. The first
// decoding in a process also loads every image-format plugin, which costs more
// than the pictures themselves.
class DecodedPictures {
 public:
  using Images = QHash<QString, QImage>;

  DecodedPictures() = default;
  // Pictures another thread is still decoding: the first Take waits for them.
  explicit DecodedPictures(std::future<Images> pending) : pending_(std::move(pending)) {}

  // Decodes each picture; one that cannot be read is left out.
  static Images Decode(const QStringList& paths);

  // The picture at path, decoded ahead or read now (a null pixmap when there is
  // none). A picture decoded ahead is handed over once. GUI thread only.
  QPixmap Take(const QString& path);

 private:
  Images images_;
  std::future<Images> pending_;
};

}  // namespace ui
