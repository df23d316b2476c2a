#pragma once

// Flat-earth distance in miles between two positions in decimal degrees. The east-west leg
// is scaled by the cosine of the first latitude only; good enough over the few metres
// between two track points.
double GpsDistance(double latitude1, double longitude1, double latitude2, double longitude2);
