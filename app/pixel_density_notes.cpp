#include "app/pixel_density_notes.h"

#include <QRadioButton>

#include "app/frm_main.h"
#include "optics/angle_of_view.h"
#include "optics/number_text.h"
#include "optics/pixel_density.h"
#include "ui/entry_field.h"
#include "ui/fitted_label.h"
#include "ui/list_box.h"
#include "ui/qt_text.h"

namespace app {
namespace {

using optics::Field;
using optics::ResultTable;

QString Note(std::optional<double> density, const char* direction) {
  return density ? ui::ToQString(optics::DensityNote(*density, direction)) : QString();
}

}  // namespace

PixelDensityNotes::PixelDensityNotes(FrmMain& window) : QObject(&window), window_(window) {
  const ui::FormControls& c = window_.Controls();
  for (ResultTable table : optics::kResultTables) {
    for (int format = 0; format < optics::kFormatCount; ++format) {
      for (int element = 1; element <= optics::ValueCount(table); ++element) {
        const QLabel& label = c.Result({table, format, element});
        plainDescriptions_.insert(&label, label.accessibleDescription());
      }
    }
  }
  // Connected after the window's handlers, so these run once the handlers are done.
  for (ui::EntryField* field : c.fields) {
    // A write inside a handler (a partner value, a cut, a camera's focal length) is
    // followed by that handler's own event: the notes are worked out once, after it.
    connect(field, &ui::EntryField::Change, this, [this, field] {
      if (!field->InProgramWrite()) Refresh();
    });
  }
  connect(c.LstCamera, &ui::ListBox::Click, this, &PixelDensityNotes::Refresh);
  connect(c.LstLens, &ui::ListBox::Click, this, &PixelDensityNotes::Refresh);
  // Unticking "Lens Select" unchooses the camera type, which clears the notes.
  for (QRadioButton* option : c.OptCameraType) {
    connect(option, &QRadioButton::toggled, this, &PixelDensityNotes::Refresh);
  }
  Refresh();
}

void PixelDensityNotes::Refresh() {
  const ui::FormControls& c = window_.Controls();
  const catalogue::CameraRecord* camera = window_.ChosenCamera();
  const int chosen = camera != nullptr ? optics::FormatIndexOfCode(camera->Ccd) : -1;
  const auto read = [this](Field field) { return optics::ReadField(window_.Text(field)); };
  // From the unrounded scene, not from the one-decimal text shown.
  const double f = read(Field::Txt_ang_f);
  const double L = read(Field::Txt_ang_L);
  for (int format = 0; format < optics::kFormatCount; ++format) {
    const optics::SensorFormat& imager = optics::kSensorFormats[static_cast<std::size_t>(format)];
    // A label that shows 0 (the guard's "0", a reset row, a result that rounds to
    // "0.0") gets no note, and only the chosen camera's row gets any.
    const auto note = [&](optics::ResultCell cell, bool across, double metres) {
      QString text;
      if (format == chosen && window_.ShownValue(cell) != 0) {
        text = Note(optics::PixelDensity(across ? camera->Pic_a : camera->Pic_b, metres),
                    across ? "across" : "down");
      }
      Show(c.Result(cell), text, true);
    };
    note({ResultTable::AngleOfView, format, 1}, true, optics::SceneSize(imager.width, f, L));
    note({ResultTable::AngleOfView, format, 2}, false, optics::SceneSize(imager.height, f, L));
    note({ResultTable::Distance, format, 1}, true, read(Field::Txt_L_W));
    note({ResultTable::FocalLength, format, 1}, true, read(Field::TxtWandL_W));
  }

  for (Field field : {Field::Txt_ang_f, Field::Txt_L_f}) {
    QString range;
    if (chosen >= 0) {
      const double imagerWidth = optics::kSensorFormats[static_cast<std::size_t>(chosen)].width;
      range = ui::ToQString(
          optics::DoriRangeNote(camera->Model, camera->Pic_a, read(field), imagerWidth));
    }
    Show(c.Field(field), range, false);
  }
}

void PixelDensityNotes::Show(QWidget& widget, const QString& note, bool describe) {
  // Unchanged notes are not set again: every keystroke comes through here.
  if (widget.toolTip() != note) widget.setToolTip(note);
  if (!describe) return;
  const QString plain = plainDescriptions_.value(&widget);
  const QString description = note.isEmpty() ? plain : plain + QStringLiteral(", ") + note;
  if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

}  // namespace app
