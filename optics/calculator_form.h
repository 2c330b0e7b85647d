#pragma once

#include <array>
#include <optional>
#include <string>

#include "optics/entry_fields.h"
#include "optics/sensor_format.h"

namespace optics {

// The three result tables, each with one row per sensor format.
enum class ResultTable { AngleOfView, Distance, FocalLength };

inline constexpr std::array kResultTables{ResultTable::AngleOfView, ResultTable::Distance,
                                          ResultTable::FocalLength};
inline constexpr int kResultTableCount = static_cast<int>(kResultTables.size());

// The angle of view's values: W, H, diagonal [m] and the three angles [deg].
inline constexpr int kAngleValueCount = 6;

// The value elements of a table's rows, numbered from 1 after the row title.
constexpr int ValueCount(ResultTable table) {
  return table == ResultTable::AngleOfView ? kAngleValueCount : 1;
}

// One value label: row by index into kSensorFormats, element 1 to ValueCount (0: row title).
struct ResultCell {
  ResultTable table;
  int format;
  int element;
};

// One T for every result label, row titles included, looked up by cell.
template <typename T>
class PerResultCell {
 public:
  T& operator[](ResultCell cell) { return At(cells_, cell); }
  const T& operator[](ResultCell cell) const { return At(cells_, cell); }

 private:
  template <typename Cells>
  static auto& At(Cells& cells, ResultCell cell) {
    return cells[static_cast<std::size_t>(cell.table)][static_cast<std::size_t>(cell.format)]
                [static_cast<std::size_t>(cell.element)];
  }

  std::array<std::array<std::array<T, kAngleValueCount + 1>, kFormatCount>, kResultTableCount>
      cells_{};
};

// What the calculators see of the window. Writing a field's text runs its change handling
// before returning, only when the text differs: that ends the partner-value exchange.
class CalculatorForm {
 public:
  virtual ~CalculatorForm() = default;
  virtual std::string Text(Field field) const = 0;
  virtual void SetText(Field field, const std::string& text) = 0;
  // A derived partner value, written in full: exempt from the 4-character rule, so that
  // "101.3" is neither cut nor rewritten for ever.
  virtual void SetPartnerText(Field field, const std::string& text) = 0;
  // A result label's caption and its value (0 for the "0" of a reset row).
  virtual void SetCaption(ResultCell cell, const std::string& caption, double value) = 0;
  // The chosen camera's or lens's format, as an index into kSensorFormats.
  virtual std::optional<int> SelCcd() const = 0;
  // The width or height field the user typed into last.
  virtual std::optional<Field> LastSizeBox() const = 0;
};

}  // namespace optics
