// A TextMeasure that answers what a test sets: a control's texts as wide or as tall as given,
// and every other text as fitting its control as designed.
#pragma once

#include <map>

#include "common/window_description.h"

namespace tbr::testing {

struct StandInMeasure : TextMeasure {
    std::map<int, int> widths;   // lineWidth by control
    std::map<int, int> heights;  // wrappedHeight by control, at any width

    template <typename Part>
    StandInMeasure& wide(Part part, int twips) {
        widths[static_cast<int>(part)] = twips;
        return *this;
    }
    template <typename Part>
    StandInMeasure& tall(Part part, int twips) {
        heights[static_cast<int>(part)] = twips;
        return *this;
    }

    int lineWidth(int control) const override { return Find(widths, control); }
    int lineHeight(int /*control*/) const override { return 0; }
    int wrappedHeight(int control, int /*width*/) const override { return Find(heights, control); }

  private:
    static int Find(const std::map<int, int>& values, int control) {
        const auto found = values.find(control);
        return found == values.end() ? 0 : found->second;
    }
};

}  // namespace tbr::testing
