#include "tests/fuzz/window_invariants.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <utility>

#include "app/frm_main.h"
#include "optics/number_text.h"
#include "optics/sensor_format.h"
#include "tests/window/whole_text.h"
#include "ui/entry_field.h"
#include "ui/entry_keys.h"
#include "ui/fitted_label.h"
#include "ui/list_box.h"
#include "ui/numeric_entry.h"
#include "ui/qt_text.h"

namespace fuzz {
namespace {

using optics::Field;
using optics::ResultTable;

// The fields the program never writes a partner value into.
constexpr Field kCheckedFields[] = {Field::Txt_ang_f,  Field::Txt_ang_L,          Field::Txt_L_f,
                                    Field::TxtWandL_L, Field::Txtillumination_M0, Field::Txt_F0,
                                    Field::Txt_F1};

bool IsChecked(const QString& name) {
  for (Field field : kCheckedFields) {
    if (ui::FieldName(field) == name) return true;
  }
  return false;
}

template <typename Visit>
void ForEachResultLabel(const ui::FormControls& controls, Visit visit) {
  for (ResultTable table : optics::kResultTables) {
    for (int format = 0; format < optics::kFormatCount; ++format) {
      for (int element = 0; element <= optics::ValueCount(table); ++element) {
        visit(format, controls.Result({table, format, element}));
      }
    }
  }
}

}  // namespace

void WindowInvariants::ExpectCaret(const Action& action) {
  caretField_.clear();
  const bool left = action.key == Qt::Key_Left;
  if (action.kind != ActionKind::Key || (!left && action.key != Qt::Key_Right) ||
      (action.modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) {
    return;
  }
  const QWidget* focus = QApplication::focusWidget();
  const QString name =
      action.target.isEmpty() && focus != nullptr ? focus->objectName() : action.target;
  const auto* field = qobject_cast<const ui::EntryField*>(window_.Controls().byName.value(name));
  if (field == nullptr || !field->isEnabled()) return;
  // A key sent to another field first moves the focus there, which selects all.
  const bool refocused = field != focus;
  const int length = static_cast<int>(field->text().size());
  if (refocused ? length == 0 : !field->hasSelectedText()) return;
  const int start = refocused ? 0 : field->selectionStart();
  const int end = refocused ? length : field->selectionEnd();
  caretField_ = name;
  expectedCaret_ = left ? start : end;
}

QString WindowInvariants::CheckCaret() {
  if (caretField_.isEmpty()) return {};
  const auto* field =
      qobject_cast<const ui::EntryField*>(window_.Controls().byName.value(caretField_));
  const QString name = std::exchange(caretField_, QString());
  if (field->cursorPosition() == expectedCaret_ && !field->hasSelectedText()) return {};
  return QStringLiteral("(g) the caret key left %1 at %2 (selection \"%3\"), not at %4")
      .arg(name)
      .arg(field->cursorPosition())
      .arg(field->selectedText())
      .arg(expectedCaret_);
}

QString WindowInvariants::CheckWholeTexts() {
  const QList<QWidget*> controls = window_.Controls().byName.values();
  const QList<const QWidget*> lines = testing_support::GridLines(controls);
  for (QWidget* control : controls) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
      text = label->text();
    } else if (const auto* field = qobject_cast<const QLineEdit*>(control)) {
      // A caret and a focus frame are no text: the field is read once it is left.
      if (field->hasFocus()) continue;
      text = field->text();
    } else {
      continue;
    }
    text += QLatin1Char('/') + QString::number(control->isEnabled());
    if (shownWhole_.value(control->objectName()) == text) continue;
    const QString problem = testing_support::WholeTextProblem(*control, lines);
    if (!problem.isEmpty()) return QStringLiteral("(f) ") + problem;
    shownWhole_.insert(control->objectName(), text);
  }
  return {};
}

void WindowInvariants::Before(const Action& action) {
  ExpectCaret(action);
  const QWidget* focus = QApplication::focusWidget();
  const FieldEdit edit = EditOf(action, focus != nullptr ? focus->objectName() : QString());
  if (!IsChecked(edit.field)) return;
  if (edit.edit == Edit::Paste) {
    pasted_.insert(edit.field);
    everPasted_.insert(edit.field);
  } else if (edit.edit == Edit::UndoRedo && everPasted_.contains(edit.field)) {
    pasted_.insert(edit.field);
  }
}

QString WindowInvariants::CheckTypedFields() {
  static const QRegularExpression kTypedText(QStringLiteral("^[0-9]*\\.?[0-9]*$"));
  for (Field field : kCheckedFields) {
    const QString name = ui::FieldName(field);
    const QString text = window_.Controls().Field(field).text();
    if (pasted_.contains(name)) {
      if (text.isEmpty()) pasted_.remove(name);
      continue;
    }
    if (ui::CharacterCount(text) > ui::kMaxEntryCharacters) {
      return QStringLiteral("(a) %1 holds \"%2\", more than %3 characters")
          .arg(name, text)
          .arg(ui::kMaxEntryCharacters);
    }
    if (!kTypedText.match(text).hasMatch()) {
      return QStringLiteral("(e) %1 holds \"%2\", which the key filter lets through nowhere")
          .arg(name, text);
    }
  }
  return {};
}

QString WindowInvariants::CheckSelectionOff() const {
  const ui::FormControls& c = window_.Controls();
  if (c.ChkCameraSelect->isChecked()) return {};
  if (c.FraCameraSlect->isEnabled()) return QStringLiteral("(b) FraCameraSlect is enabled");
  if (c.LstCamera->count() > 0 || c.LstLens->count() > 0) {
    return QStringLiteral("(b) a list holds entries: LstCamera %1, LstLens %2")
        .arg(c.LstCamera->count())
        .arg(c.LstLens->count());
  }
  for (const QRadioButton* option : c.OptCameraType) {
    if (option->isChecked()) return QStringLiteral("(b) %1 is chosen").arg(option->objectName());
  }
  QString problem;
  ForEachResultLabel(c, [&](int, const QLabel& label) {
    if (problem.isEmpty() && !label.isEnabled()) {
      problem = QStringLiteral("(b) %1 is disabled").arg(label.objectName());
    }
  });
  return problem;
}

QString WindowInvariants::CheckChosenFormat() const {
  // A camera is chosen while the camera list has a current entry. Choosing a
  // type only empties the list: the selection texts stay as they were, with every
  // row enabled, until the next camera.
  if (window_.Controls().LstCamera->CurrentText().isEmpty()) return {};
  const std::optional<int> chosenFormat = window_.Variables().SelCcd;
  if (!chosenFormat) return {};
  const int chosen = *chosenFormat;
  QString problem;
  ForEachResultLabel(window_.Controls(), [&](int format, const QLabel& label) {
    if (problem.isEmpty() && label.isEnabled() != (format == chosen)) {
      problem =
          QStringLiteral("(c) SelCcd is %1 but %2 is %3")
              .arg(ui::ToQString(optics::kSensorFormats[static_cast<std::size_t>(chosen)].code),
                   label.objectName(),
                   label.isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
    }
  });
  return problem;
}

QString WindowInvariants::CheckDensityNotes() const {
  const ui::FormControls& c = window_.Controls();
  const bool cameraChosen = !c.LstCamera->CurrentText().isEmpty();
  QString problem;
  ForEachResultLabel(c, [&](int, const QLabel& label) {
    if (!problem.isEmpty()) return;
    const QString note = label.toolTip();
    const QString description = label.accessibleDescription();
    if (note.isEmpty()) {
      if (description.contains(QStringLiteral("px/m"))) {
        problem = QStringLiteral("(h) %1 has no tool tip but is described \"%2\"")
                      .arg(label.objectName(), description);
      }
      return;
    }
    const bool showsValue = optics::ReadField(label.text().toStdString()) != 0;
    if (!cameraChosen || !label.isEnabled() || !showsValue ||
        !description.endsWith(QStringLiteral(", ") + note)) {
      problem = QStringLiteral(
                    "(h) %1 shows \"%2\" (%3, camera %4) with the tool tip \"%5\", "
                    "described \"%6\"")
                    .arg(label.objectName(), label.text(),
                         label.isEnabled() ? QStringLiteral("enabled") : QStringLiteral("greyed"),
                         c.LstCamera->CurrentText(), note, description);
    }
  });
  return problem;
}

QString WindowInvariants::CheckFocus() const {
  if (!window_.isVisible()) return {};
  const QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && window_.isAncestorOf(focus)) return {};
  return QStringLiteral("(i) the focus is on %1, not on a control of the window")
      .arg(focus == nullptr ? QStringLiteral("nothing") : focus->objectName());
}

QStringList WindowInvariants::Check() {
  QStringList problems;
  for (const QString& problem :
       {CheckTypedFields(), CheckSelectionOff(), CheckChosenFormat(), CheckWholeTexts(),
        CheckCaret(), CheckDensityNotes(), CheckFocus()}) {
    if (!problem.isEmpty()) problems.append(problem);
  }
  return problems;
}

}  // namespace fuzz
