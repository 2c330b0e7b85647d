#include "ui/form_builder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <map>
#include <vector>

#include "ui/control_table.h"
#include "ui/entry_field.h"
#include "ui/fitted_label.h"
#include "ui/fonts.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/qt_text.h"
#include "ui/window_style.h"

namespace ui {
namespace {

using optics::ResultTable;

const QColor kEntryBackground(255, 255, 128);
const QColor kOutputBackground(0, 255, 255);
const QColor kOutputText(0, 0, 255);

QWidget* MakeEntry(const ControlDesign& design, QWidget* parent) {
  auto* field = new EntryField(parent);
  if (design.colour == ColourRole::Output) {
    field->setReadOnly(true);  // written by the converter only
    FixFill(*field, kOutputBackground, kOutputText);
  } else {
    FixFill(*field, kEntryBackground);
  }
  // Filling the frame's colour around its rounded panel itself, it repaints alone.
  field->setBackgroundRole(QPalette::Window);
  field->setAutoFillBackground(true);
  return field;
}

QWidget* MakeControl(const ControlDesign& design, QWidget* parent) {
  const QString caption = ToQString(design.caption);
  switch (design.kind) {
    case ControlKind::Label: {
      auto* label = new FittedLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::TextBox:
      return MakeEntry(design, parent);
    case ControlKind::Frame:
      return new QGroupBox(caption, parent);
    case ControlKind::CheckBox:
      return new QCheckBox(caption, parent);
    case ControlKind::OptionButton:
      return new QRadioButton(caption, parent);
    case ControlKind::ListBox:
      return new ListBox(parent);
    case ControlKind::PictureBox: {
      // White whatever the palette: it shows a picture.
      auto* picture = new PictureBox(parent);
      QPalette palette = picture->palette();
      palette.setColor(QPalette::Window, Qt::white);
      picture->setPalette(palette);
      return picture;
    }
    case ControlKind::Image: {
      // The diagram's holder as designed, never seen: the picture box shows it.
      auto* image = new QLabel(parent);
      image->hide();
      return image;
    }
    case ControlKind::Line: {
      auto* line = new QWidget(parent);
      // In the palette's text colour, so that it shows on a dark window too.
      line->setAutoFillBackground(true);
      line->setBackgroundRole(QPalette::WindowText);
      return line;
    }
  }
  return nullptr;
}

template <typename T>
T* Find(const FormControls& controls, const QString& name) {
  return qobject_cast<T*>(controls.byName.value(name));
}

// Where a result label stands, for assistive technology. Its text stays its accessible
// name, so that a screen reader reads the value.
QString Description(ResultTable table, int format, int element) {
  static const std::array<const char*, optics::kResultTableCount> kCalculators{
      "angle of view", "object distance", "focal length"};
  const QString calculator = QString::fromLatin1(kCalculators[static_cast<std::size_t>(table)]);
  if (element == 0) return QStringLiteral("row title, %1").arg(calculator);
  const QString row = ToQString(optics::kSensorFormats[static_cast<std::size_t>(format)].caption);
  // The focal-length heading on the window reads "f[m]"; its values are millimetres.
  const QString column = table == ResultTable::FocalLength
                             ? QStringLiteral("f[mm]")
                             : ToQString(ValueColumnHeading(table, element));
  return QStringLiteral("%1, %2, %3").arg(row, column, calculator);
}

void CollectHandles(FormControls& c) {
  for (const optics::EntryFieldInfo& entry : optics::kEntryFields) {
    c.fields[static_cast<std::size_t>(entry.field)] =
        Find<EntryField>(c, ui::FieldName(entry.field));
  }
  for (ResultTable table : optics::kResultTables) {
    for (int format = 0; format < optics::kFormatCount; ++format) {
      const QString array = ResultArrayName(table, format);
      for (int element = 0; element <= optics::ValueCount(table); ++element) {
        FittedLabel* label = Find<FittedLabel>(c, MemberName(array, element));
        c.results[{table, format, element}] = label;
        // Filling its own background, a label whose value changes repaints alone,
        // not with the frame beneath it.
        label->setAutoFillBackground(true);
        label->setAccessibleDescription(Description(table, format, element));
      }
    }
  }
  for (int i = 0; i < 3; ++i) {
    c.OptCameraType[static_cast<std::size_t>(i)] =
        Find<QRadioButton>(c, MemberName(QStringLiteral("OptCameraType"), i));
  }
  c.ChkCameraSelect = Find<QCheckBox>(c, QStringLiteral("ChkCameraSelect"));
  c.FraCameraSlect = Find<QGroupBox>(c, QStringLiteral("FraCameraSlect"));
  c.FraCameraType = Find<QGroupBox>(c, QStringLiteral("FraCameraType"));
  c.FraLens = Find<QGroupBox>(c, QStringLiteral("FraLens"));
  c.LstCamera = Find<ListBox>(c, QStringLiteral("LstCamera"));
  c.LstLens = Find<ListBox>(c, QStringLiteral("LstLens"));
  c.Lblccd = Find<QLabel>(c, QStringLiteral("Lblccd"));
  c.Lblfmax = Find<QLabel>(c, QStringLiteral("Lblfmax"));
  c.Lblfmin = Find<QLabel>(c, QStringLiteral("Lblfmin"));
  c.LblPic_a = Find<QLabel>(c, QStringLiteral("LblPic_a"));
  c.LblPic_b = Find<QLabel>(c, QStringLiteral("LblPic_b"));
  c.LblPic_ab = Find<QLabel>(c, QStringLiteral("LblPic_ab"));
  c.Picture1 = Find<PictureBox>(c, QStringLiteral("Picture1"));
  c.Image1 = Find<QLabel>(c, QStringLiteral("Image1"));
}

// Each label's text keeps a pixel clear of every grid line drawn across it, so
// that no line covers a digit of a value wider than its column.
void KeepTextClearOfLines(const FormControls& c, const std::vector<QWidget*>& lines) {
  constexpr int kClearance = 1;
  for (QWidget* control : c.byName) {
    auto* label = qobject_cast<FittedLabel*>(control);
    if (label == nullptr) continue;
    QRect area = label->contentsRect();
    for (const QWidget* line : lines) {
      if (line->parentWidget() != label->parentWidget()) continue;
      const QRect across = line->geometry().translated(-label->pos());
      if (!across.intersects(label->rect()) || across.width() >= across.height()) continue;
      if (across.center().x() < label->width() / 2) {
        area.setLeft(std::max(area.left(), across.right() + 1 + kClearance));
      } else {
        area.setRight(std::min(area.right(), across.left() - 1 - kClearance));
      }
    }
    if (area != label->contentsRect()) label->SetTextArea(area);
  }
}

void NameForAssistiveTechnology(const FormControls& controls) {
  for (const optics::EntryFieldInfo& entry : optics::kEntryFields) {
    controls.Field(entry.field).setAccessibleName(ToQString(entry.accessibleName));
  }
  controls.FraCameraSlect->setAccessibleName(QStringLiteral("Camera and lens selection"));
  controls.LstCamera->setAccessibleName(QStringLiteral("Camera models"));
  controls.LstLens->setAccessibleName(QStringLiteral("Lens models"));
}

}  // namespace

QString FieldName(optics::Field field) { return ToQString(optics::FieldName(field)); }

QString ResultArrayName(ResultTable table, int format) {
  // By table, then format in the order 1/4, 1/3, 1/2 type.
  static const std::array<std::array<const char*, optics::kFormatCount>, optics::kResultTableCount>
      kNames = {{
          {"Lbl_angle_4", "Lbl_angle_3", "Lbl_angle_2"},
          {"lbl_L_4", "Lbl_L3", "lbl_L_2"},
          {"lbl_f_4", "lbl_f_3", "lbl_f_2"},
      }};
  return QString::fromLatin1(
      kNames[static_cast<std::size_t>(table)][static_cast<std::size_t>(format)]);
}

QString MemberName(const QString& array, int index) {
  return QStringLiteral("%1(%2)").arg(array).arg(index);
}

QRect PixelGeometry(const ControlDesign& design) {
  if (design.kind == ControlKind::Line) {
    const int x = ToPixels(design.left);
    const int y = ToPixels(design.top);
    if (design.height == 0)
      return {x, y, ToPixels(design.left + design.width) - x, design.lineWidth};
    return {x, y, design.lineWidth, ToPixels(design.top + design.height) - y};
  }
  return {ToPixels(design.left), ToPixels(design.top), ToPixels(design.width),
          ToPixels(design.height)};
}

FormControls BuildForm(QWidget& window) {
  FormControls controls;
  std::vector<QWidget*> lines;
  // Each role's font is worked out once: that looks into its face.
  std::map<FontRole, QFont> fonts;
  const auto fontFor = [&fonts](FontRole role) -> const QFont& {
    auto found = fonts.find(role);
    if (found == fonts.end()) found = fonts.emplace(role, FontFor(role)).first;
    return found->second;
  };
  window.setFont(fontFor(FontRole::Window));
  for (const ControlDesign& design : ControlTable()) {
    QWidget* container =
        design.container.empty() ? &window : controls.byName.value(ToQString(design.container));
    QWidget* control = MakeControl(design, container);
    control->setObjectName(ToQString(design.name));
    control->setGeometry(PixelGeometry(design));
    if (design.font != FontRole::Window) control->setFont(fontFor(design.font));
    // Values stand centred under their column headings.
    if (design.font == FontRole::Value) {
      static_cast<QLabel*>(control)->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    controls.byName.insert(control->objectName(), control);
    if (design.kind == ControlKind::Line) lines.push_back(control);
  }
  QWidget* previous = nullptr;
  for (std::string_view name : TabOrder()) {
    QWidget* next = controls.byName.value(ToQString(name));
    next->setFocusPolicy(Qt::StrongFocus);
    if (previous != nullptr) QWidget::setTabOrder(previous, next);
    previous = next;
  }
  // Grid lines lie over the result labels they cross, which fill their background.
  for (QWidget* line : lines) line->raise();
  CollectHandles(controls);
  KeepTextClearOfLines(controls, lines);
  NameForAssistiveTechnology(controls);
  return controls;
}

}  // namespace ui
