#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

namespace app {

class FrmMain;

// While a catalogue camera is chosen, the value labels of its sensor format's row
// restate W, H, L and f as pixels per metre with their DORI level, in their tool
// tips and at the end of their accessible descriptions, and the two focal-length
// fields give the greatest distance of each level in their tool tips. Nothing is
// shown for the other rows or for a value that is 0 or not a number.
class PixelDensityNotes : public QObject {
  Q_OBJECT

 public:
  // Follows every event of the window that can change a value, the camera or the
  // selection, after the window's own handler of that event has run.
  explicit PixelDensityNotes(FrmMain& window);

  void Refresh();

 private:
  void FollowEvents();
  void Show(QWidget& widget, const QString& note, bool describe);

  FrmMain& window_;
  QHash<const QWidget*, QString> plainDescriptions_;
};

}  // namespace app
