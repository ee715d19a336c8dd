#pragma once

#include "requests/request.h"

namespace vn {

// Where the label sheet window sends the labels.
enum class LabelOutput { Screen, Printer, File };

// What the request builder hands the label sheet window: the output chosen and the keys, in label
// order with duplicates removed. The layout, first line and casing are in Session::labels.
struct LabelRun {
    LabelOutput output = LabelOutput::Screen;
    MatchList keys;
};

}  // namespace vn
