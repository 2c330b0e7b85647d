#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace optics {

// The entry fields the calculators read and write, named as on the window.
enum class Field {
  Txt_ang_f,
  Txt_ang_L,
  Txt_L_f,
  Txt_L_W,
  Txt_L_H,
  TxtWandL_W,
  TxtWandL_H,
  TxtWandL_L,
  Txtillumination_M0,
  Txt_F0,
  Txt_F1,
  Txtillumination_M1,
};

// The calculator a field's change runs.
enum class Calculator { AngleOfView, Distance, FocalLength, Illumination, None };

// What a field means beyond its calculator.
enum class FieldRole {
  Plain,
  FocalLength,  // checked against the chosen camera's or lens's focal range
  Size,         // a width or height: typed into, it becomes LastSizeBox
  Output,       // written by its calculator only; no handlers
};

// One entry field: everything that differs from one field to the next.
struct EntryFieldInfo {
  Field field;
  std::string_view name;  // the control name, as the window and LastSizeBox spell it
  Calculator calculator;
  FieldRole role;
  std::string_view accessibleName;
};

// Every entry field, in the order of optics::Field.
inline constexpr std::array<EntryFieldInfo, 12> kEntryFields{{
    {Field::Txt_ang_f, "Txt_ang_f", Calculator::AngleOfView, FieldRole::FocalLength,
     "Angle of view: f [mm]"},
    {Field::Txt_ang_L, "Txt_ang_L", Calculator::AngleOfView, FieldRole::Plain,
     "Angle of view: L [m]"},
    {Field::Txt_L_f, "Txt_L_f", Calculator::Distance, FieldRole::FocalLength,
     "Object distance: f [mm]"},
    {Field::Txt_L_W, "Txt_L_W", Calculator::Distance, FieldRole::Size, "Object distance: W [m]"},
    {Field::Txt_L_H, "Txt_L_H", Calculator::Distance, FieldRole::Size, "Object distance: H [m]"},
    {Field::TxtWandL_W, "TxtWandL_W", Calculator::FocalLength, FieldRole::Size,
     "Focal length: W [m]"},
    {Field::TxtWandL_H, "TxtWandL_H", Calculator::FocalLength, FieldRole::Size,
     "Focal length: H [m]"},
    {Field::TxtWandL_L, "TxtWandL_L", Calculator::FocalLength, FieldRole::Plain,
     "Focal length: L [m]"},
    {Field::Txtillumination_M0, "Txtillumination_M0", Calculator::Illumination, FieldRole::Plain,
     "Minimum illumination: known illumination [lux]"},
    {Field::Txt_F0, "Txt_F0", Calculator::Illumination, FieldRole::Plain,
     "Minimum illumination: F-number of the known illumination"},
    {Field::Txt_F1, "Txt_F1", Calculator::Illumination, FieldRole::Plain,
     "Minimum illumination: target F-number"},
    {Field::Txtillumination_M1, "Txtillumination_M1", Calculator::None, FieldRole::Output,
     "Minimum illumination: converted illumination [lux]"},
}};

inline constexpr int kEntryFieldCount = static_cast<int>(kEntryFields.size());

constexpr const EntryFieldInfo& FieldInfo(Field field) {
  return kEntryFields[static_cast<std::size_t>(field)];
}

constexpr std::string_view FieldName(Field field) { return FieldInfo(field).name; }

// The field of a control name, if it names one.
constexpr std::optional<Field> FieldNamed(std::string_view name) {
  for (const EntryFieldInfo& info : kEntryFields) {
    if (info.name == name) return info.field;
  }
  return std::nullopt;
}

// The table is indexed by field.
static_assert([] {
  for (std::size_t i = 0; i < kEntryFields.size(); ++i) {
    if (static_cast<std::size_t>(kEntryFields[i].field) != i) return false;
  }
  return true;
}());

}  // namespace optics
