#include "tests/fuzz/window_invariants.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

#include "app/frm_main.h"
#include "optics/sensor_format.h"
#include "ui/characters.h"
#include "ui/entry_field.h"
#include "ui/entry_limits.h"
#include "ui/list_box.h"

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

void WindowInvariants::Before(const Action& action) {
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
  const std::string& code = window_.Variables().SelCcd;
  if (code.size() != 1) return {};
  const int chosen = optics::FormatIndexOfCode(code.front() - '0');
  if (chosen < 0) return {};
  QString problem;
  ForEachResultLabel(window_.Controls(), [&](int format, const QLabel& label) {
    if (problem.isEmpty() && label.isEnabled() != (format == chosen)) {
      problem =
          QStringLiteral("(c) SelCcd is %1 but %2 is %3")
              .arg(QString::fromStdString(code), label.objectName(),
                   label.isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"));
    }
  });
  return problem;
}

QStringList WindowInvariants::Check() {
  QStringList problems;
  for (const QString& problem : {CheckTypedFields(), CheckSelectionOff(), CheckChosenFormat()}) {
    if (!problem.isEmpty()) problems.append(problem);
  }
  return problems;
}

}  // namespace fuzz
