#pragma once

#include "optics/calculator_form.h"

namespace optics {

// The 4 : 3 partner of a scene size, rounded to 0.1 m.
double PartnerHeight(double width);
double PartnerWidth(double height);

// The width and height a calculator works with once the partner rule has run.
struct SceneSize {
  double width;
  double height;
};

// When the size field the user typed into last is this calculator's width or height
// field (and not negative), derives the other one and writes it into its field. The
// write runs the calculator again, nested; that run derives the same text, which is
// no change, and so the exchange ends.
SceneSize ApplyPartnerRule(CalculatorForm& form, Field widthField, Field heightField,
                           SceneSize typed);

}  // namespace optics
