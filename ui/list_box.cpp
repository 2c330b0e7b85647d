#include "ui/list_box.h"

#include <QFocusEvent>

namespace ui {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSortingEnabled(true);  // QString order: character code by character code
  // Long model names are elided rather than scrolled, so that every entry keeps
  // its row; the full name is in the entry's tool tip.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* current) {
    if (current != nullptr) emit Click();
  });
}

void ListBox::AddItem(const QString& text) {
  auto* item = new QListWidgetItem(text);
  item->setToolTip(text);
  addItem(item);
}

void ListBox::Clear() { clear(); }

void ListBox::MakeCurrent(int index) { setCurrentRow(index); }

QString ListBox::CurrentText() const {
  const QListWidgetItem* current = currentItem();
  return current != nullptr ? current->text() : QString();
}

void ListBox::focusInEvent(QFocusEvent* event) {
  // Item views make the first entry current when they get the focus; here the
  // user's choice alone makes an entry current, so skip that step.
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

}  // namespace ui
