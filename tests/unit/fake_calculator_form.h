#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "optics/calculator_form.h"
#include "optics/entry_fields.h"
#include "optics/sensor_format.h"

namespace optics {

// Row indices of the result tables, in the order the formats are handled.
inline constexpr int kQuarter = 0;  // 1/4 type
inline constexpr int kThird = 1;    // 1/3 type
inline constexpr int kHalf = 2;     // 1/2 type

using Row3 = std::array<std::string_view, kFormatCount>;  // 1/4, 1/3, 1/2 type

// ---------------------------------------------------------------------------
// A stand-in for the main window.
//
// Like the window, writing a field's text runs that field's change handling before
// the write returns, and only when the text differs. The change handling is wired as
// on the window: the length rule (a text of five characters or more is cut back to
// its first four, except while a partner value is being written), then the field's
// calculator. Nesting is counted; an exchange of writes that does not end fails the
// test at a small depth instead of recursing for ever.
class FakeForm final : public CalculatorForm {
 public:
  static constexpr int kMaxDepth = 4;

  std::string lastSizeBox;  // a field's name, or anything else for none

  // The chosen camera's format, a row index.
  void ChooseFormat(std::optional<int> format) { chosenFormat_ = format; }

  // Counters of the change handling: every run, and the deepest nesting seen.
  int changeRuns = 0;
  int maxDepth = 0;
  std::vector<Field> partnerWrites;
  std::vector<std::tuple<ResultTable, int, int>> captionLog;

  std::string Text(Field field) const override;
  void SetText(Field field, const std::string& text) override { Write(field, text, false); }
  void SetPartnerText(Field field, const std::string& text) override;
  void SetCaption(ResultCell cell, const std::string& caption, double value) override;
  std::optional<int> SelCcd() const override { return chosenFormat_; }
  std::optional<Field> LastSizeBox() const override { return FieldNamed(lastSizeBox); }

  // State from before the event under test: no change handling runs.
  void Preset(Field field, const std::string& text) { fields_[field] = text; }
  void PresetCaptions(ResultTable table, int elements, const std::string& caption);
  void ResetCounters();

  // The user replaces a field's text: the key handling of the four size fields
  // names the field in LastSizeBox first, then the text changes.
  void Type(Field field, const std::string& text);

  std::string Caption(ResultTable table, int format, int element) const;

 private:
  static std::string_view SizeBoxName(Field field);

  void Write(Field field, const std::string& text, bool exempt);
  void Change(Field field);

  std::map<Field, std::string> fields_;
  std::map<std::tuple<ResultTable, int, int>, std::string> captions_;
  std::set<Field> exempt_;
  std::optional<int> chosenFormat_;
  int depth_ = 0;
};

// The cells of a table's rows for the given formats, each element in turn across them.
std::vector<std::tuple<ResultTable, int, int>> ElementMajorOrder(ResultTable table, int elements,
                                                                 std::vector<int> formats);

// Checks the first element of every row of a table.
void ExpectRows(const FakeForm& form, ResultTable table, const Row3& expected);

inline constexpr Row3 kNotComputed{"0.0", "0.0", "0.0"};

// The user types into one size field of the distance or focal-length calculator,
// and its partner is derived.
struct ExchangeCase {
  std::string_view f;        // focal length field, set beforehand
  Field typedField;          // the size field the user types into
  std::string_view typed;    // its new text
  Field partnerField;        // the other size field
  std::string_view partner;  // the text it must show afterwards
  Row3 rows;                 // 1/4, 1/3, 1/2 type
};

std::ostream& operator<<(std::ostream& os, const ExchangeCase& c);

}  // namespace optics
