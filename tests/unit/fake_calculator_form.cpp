#include "tests/unit/fake_calculator_form.h"

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "optics/angle_of_view.h"
#include "optics/calculator_form.h"
#include "optics/distance_and_focal_length.h"
#include "optics/illumination.h"
#include "optics/sensor_format.h"
#include "ui/entry_keys.h"

namespace optics {

std::string FakeForm::Text(Field field) const {
  const auto it = fields_.find(field);
  return it == fields_.end() ? std::string() : it->second;
}

void FakeForm::SetPartnerText(Field field, const std::string& text) {
  partnerWrites.push_back(field);
  Write(field, text, true);
}

void FakeForm::SetCaption(ResultCell cell, const std::string& caption, double /*value*/) {
  const auto key = std::make_tuple(cell.table, cell.format, cell.element);
  captions_[key] = caption;
  captionLog.push_back(key);
}

void FakeForm::PresetCaptions(ResultTable table, int elements, const std::string& caption) {
  for (int format = 0; format < kFormatCount; ++format) {
    for (int element = 1; element <= elements; ++element) {
      captions_[std::make_tuple(table, format, element)] = caption;
    }
  }
}

void FakeForm::ResetCounters() {
  changeRuns = 0;
  maxDepth = 0;
  partnerWrites.clear();
  captionLog.clear();
}

void FakeForm::Type(Field field, const std::string& text) {
  const std::string_view name = SizeBoxName(field);
  if (!name.empty()) lastSizeBox = std::string(name);
  SetText(field, text);
}

std::string FakeForm::Caption(ResultTable table, int format, int element) const {
  const auto it = captions_.find(std::make_tuple(table, format, element));
  return it == captions_.end() ? std::string("<never written>") : it->second;
}

std::string_view FakeForm::SizeBoxName(Field field) {
  switch (field) {
    case Field::Txt_L_W:
    case Field::Txt_L_H:
    case Field::TxtWandL_W:
    case Field::TxtWandL_H:
      return FieldName(field);
    default:
      return {};
  }
}

void FakeForm::Write(Field field, const std::string& text, bool exempt) {
  if (Text(field) == text) return;
  fields_[field] = text;
  if (exempt) exempt_.insert(field);
  Change(field);
  if (exempt) exempt_.erase(field);
}

void FakeForm::Change(Field field) {
  ++changeRuns;
  if (depth_ >= kMaxDepth) {
    ADD_FAILURE() << "the change handling of the fields does not come to an end";
    return;
  }
  ++depth_;
  maxDepth = std::max(maxDepth, depth_);
  if (field != Field::Txtillumination_M1 && exempt_.count(field) == 0) {
    const std::string text = Text(field);
    constexpr auto kLimit = static_cast<std::size_t>(ui::kLengthRuleLimit);
    if (text.size() >= kLimit) SetText(field, text.substr(0, kLimit - 1));
  }
  switch (field) {
    case Field::Txt_ang_f:
    case Field::Txt_ang_L:
      CalcAngleOfView(*this);
      break;
    case Field::Txt_L_f:
    case Field::Txt_L_W:
    case Field::Txt_L_H:
      CalcDistance(*this);
      break;
    case Field::TxtWandL_W:
    case Field::TxtWandL_H:
    case Field::TxtWandL_L:
      CalcFocalLength(*this);
      break;
    case Field::Txtillumination_M0:
    case Field::Txt_F0:
    case Field::Txt_F1:
      CalcIllumination(*this);
      break;
    case Field::Txtillumination_M1:
      break;
  }
  --depth_;
}

std::vector<std::tuple<ResultTable, int, int>> ElementMajorOrder(ResultTable table, int elements,
                                                                 std::vector<int> formats) {
  std::vector<std::tuple<ResultTable, int, int>> order;
  for (int element = 1; element <= elements; ++element) {
    for (int format : formats) order.emplace_back(table, format, element);
  }
  return order;
}

void ExpectRows(const FakeForm& form, ResultTable table, const Row3& expected) {
  for (int format = 0; format < kFormatCount; ++format) {
    EXPECT_EQ(form.Caption(table, format, 1), expected[static_cast<std::size_t>(format)])
        << kSensorFormats[static_cast<std::size_t>(format)].caption;
  }
}

std::ostream& operator<<(std::ostream& os, const ExchangeCase& c) {
  return os << "typed \"" << c.typed << "\" -> partner \"" << c.partner << '"';
}

}  // namespace optics
