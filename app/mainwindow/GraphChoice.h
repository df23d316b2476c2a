#pragma once

#include <optional>

// The summary graphs that the graph list offers, and what the list of sports or zones beside
// them shows for each.
namespace GraphChoice {

struct Entry {
    int stringId;
    int graph; // the graph number, the entry's item data
};

// The graph list's entries, in their order.
inline constexpr Entry kEntries[] = {{1320, 1},  {1321, 3}, {1322, 9}, {1323, 2}, {1324, 6}, {1325, 7},
                                     {1326, 10}, {1327, 8}, {1328, 4}, {1329, 5}, {1649, 11}};

// What the sport or zone list shows beside a graph.
enum class SideList {
    Hidden,
    Sports,
    Zones,
    LeftToGraph, // the graph shows or hides it itself
};

struct Graph {
    const char *mode; // the pane's mode while the graph is drawn
    SideList sideList;
};

// The graph of a graph number (1 to 11); none for any other number.
std::optional<Graph> GraphFor(int number);

// The settings that remember the chosen sport (for both by-sport graphs) and zone.
inline constexpr const char *kSelectedSport = "SelectedSport";
inline constexpr const char *kSelectedZone = "SelectedZone";

// The position a remembered one stands for in a list of `count` entries: a position past the
// end (sports deleted since) is the last entry, a negative one the first.
int KeptPosition(int remembered, int count);

} // namespace GraphChoice
