#pragma once

#include <vector>

class QWidget;

// A line of the graph pane that holds drop-down lists with their words: each control as wide as
// it needs to show whole. Where the line is too short for that, the lists give up the
// difference: their open lists still show every entry whole, and their chosen entries stay
// whole as long as the line has room for them.
namespace ChoiceLine {

struct Part {
    int wanted = 0;      // the width that shows it whole: a list's widest entry
    bool yields = false; // a drop-down list
    int chosen = 0;      // a list's width for its chosen entry
};

// The parts' widths in room pixels: each its wanted width while all fit. Otherwise the others
// keep theirs and the lists share what is left, evenly: first up to their chosen entries' widths,
// then up to their widest entries', none below 0.
std::vector<int> Widths(const std::vector<Part> &parts, int room);

struct Control {
    QWidget *widget = nullptr;
    int leastWanted = 0; // never narrower than this while the line has room
};

// Places the leading controls from left and the trailing ones up to right, gap apart and at
// least twice that between the two groups, each as wide as Widths gives for its size hint (a
// drop-down list's yields). Tops and heights stay.
void Arrange(const std::vector<Control> &leading, const std::vector<Control> &trailing, int left, int right,
             int gap);

} // namespace ChoiceLine
