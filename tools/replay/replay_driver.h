#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>

#include "tools/replay/script.h"

class QTextStream;
class QWidget;

namespace app {
class FrmMain;
}

namespace tools {

// A script line that cannot be carried out.
class ReplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Carries out script lines on the real window through Qt's own events: key
// presses, focus changes and mouse clicks. A message box shown meanwhile is
// reported as a "message" line and answered OK.
class ReplayDriver : public QObject {
  Q_OBJECT

 public:
  ReplayDriver(app::FrmMain& window, QTextStream& out);

  void Run(const ScriptLine& line);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& Control(const QString& name) const;
  QWidget& UsableControl(const QString& name) const;
  void Focus(const QString& name);
  void Reactivate();
  QWidget& KeyTarget();
  void SendKey(Qt::Key key, const QString& text);
  void PressCharacter(const QString& character);
  void PressKey(const QString& key);
  void Set(const QString& name, const QString& text);
  void Click(const QString& name);
  void Select(const QString& name, const QString& text);
  void Screenshot(const QString& path);

  app::FrmMain& window_;
  QTextStream& out_;
  int boxesShown_ = 0;  // message boxes reported so far
};

}  // namespace tools
