#pragma once

#include <QListWidget>

namespace ui {

// A sorted single-selection list that raises Click whenever an entry becomes current,
// by the user or the program; clearing and adding entries raise nothing.
class ListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit ListBox(QWidget* parent = nullptr);

  void AddItem(const QString& text);
  void Clear();
  // Makes the entry at index current; raises Click when it was not current already.
  void MakeCurrent(int index);
  QString CurrentText() const;

 signals:
  void Click();

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

}  // namespace ui
