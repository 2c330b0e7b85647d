#include "catalogue/records.h"

namespace catalogue {
namespace {

constexpr std::array<LensRecord, kLensRows> kLenses = {{
    {"LNS-01", 3, "9.0", "9.0"},   // 0
    {"LNS-02", 3, "4.5", "4.5"},   // 1
    {"LNS-03", 3, "2.8", "2.8"},   // 2
    {"LNS-04", 3, "3.8", "8.0"},   // 3
    {"LNS-05", 3, "2.8", "6.0"},   // 4
    {"LNS-06", 3, "6.0", "90.0"},  // 5
    {"LNS-07", 3, "5.0", "40.0"},  // 6
    {"LNS-08", 3, "3.8", "8.0"},   // 7
    {"LNS-09", 2, "8.5", "51.0"},  // 8
    {"LNS-10", 2, "8.0", "80.0"},  // 9
    {"LNS-11", 2, "6.0", "12.0"},  // 10
}};

}  // namespace

const std::array<LensRecord, kLensRows>& LensTable() { return kLenses; }

}  // namespace catalogue
