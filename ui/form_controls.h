#pragma once

#include <QHash>
#include <QString>
#include <array>

#include "optics/calculator_form.h"
#include "optics/entry_fields.h"
#include "optics/sensor_format.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace ui {

class EntryField;
class FittedLabel;
class ListBox;
class PictureBox;

// The realised window: every control by name, and typed handles on those the program addresses.
struct FormControls {
  QHash<QString, QWidget*> byName;

  std::array<EntryField*, optics::kEntryFieldCount> fields{};  // by optics::Field
  // By table, format (an index into the sensor formats) and element: title, then values.
  optics::PerResultCell<FittedLabel*> results;

  QCheckBox* ChkCameraSelect = nullptr;
  QGroupBox* FraCameraSlect = nullptr;
  QGroupBox* FraCameraType = nullptr;
  QGroupBox* FraLens = nullptr;
  std::array<QRadioButton*, 3> OptCameraType{};
  ListBox* LstCamera = nullptr;
  ListBox* LstLens = nullptr;
  QLabel* Lblccd = nullptr;
  QLabel* Lblfmax = nullptr;
  QLabel* Lblfmin = nullptr;
  QLabel* LblPic_a = nullptr;
  QLabel* LblPic_b = nullptr;
  QLabel* LblPic_ab = nullptr;
  PictureBox* Picture1 = nullptr;
  QLabel* Image1 = nullptr;

  EntryField& Field(optics::Field field) const { return *fields[static_cast<std::size_t>(field)]; }
  FittedLabel& Result(optics::ResultCell cell) const { return *results[cell]; }
};

// The control name of an entry field, and of a result row's label array.
QString FieldName(optics::Field field);
QString ResultArrayName(optics::ResultTable table, int format);
QString MemberName(const QString& array, int index);

}  // namespace ui
