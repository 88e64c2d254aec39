#pragma once
// What two images mean to the radio, compared field by field: both are decoded into fresh records and every
// field a settings file carries is compared. A write's verify uses it after the byte compare, so that a bit
// outside the plan's decided bits which changes what a field means is named, not only counted.

#include <string>
#include <vector>

#include "EepromImage.h"

// One line per field that differs, in the image's order: "Channel 3 RX: plan 151.01250, radio 151.41250",
// "scan speed: plan 3, radio 7". Empty when both decode alike.
std::vector<std::string> MeaningDifferences(const CImageBytes& plan, const CImageBytes& radio);

// The radio's own calibration (service bytes 1-11, which no settings file carries) that sending backup would
// change, one line each: "service byte 4: radio 31, backup 2A — this radio's calibration".
std::vector<std::string> CalibrationByteChanges(const CImageBytes& radio, const CImageBytes& backup);
