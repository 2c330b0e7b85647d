#pragma once

#include <QObject>

namespace fuzz {

// Answers every message box OK as soon as it shows. The focal-range warning runs
// its own event loop inside a key press; the click is queued so that it lands in
// that loop and the key press can return.
class MessageBoxCloser : public QObject {
  Q_OBJECT

 public:
  MessageBoxCloser();
  ~MessageBoxCloser() override;

  int Closed() const { return closed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int closed_ = 0;
};

}  // namespace fuzz
