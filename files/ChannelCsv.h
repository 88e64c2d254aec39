#pragma once
// The 16 channels as CSV for spreadsheets: a header row, then one row per channel with every value of the
// channel record, the signalling a channel does not use included (so a row comes back whole).
//
//   channel,rx_mhz,tx_mhz,step_khz,width,power,scan,rx_type,rx_tone_hz,rx_code,two_tone_group,tone_a_hz,...
//   1,151.01250,151.01250,6.25,narrow,low,false,ctcss,67.0,023,both,300,300,300,300,none,67.0,023
//
// Values read as in the YAML form (ConfigFields.h); a value stored as it stands is written "raw:7".

#include <string>

#include <vector>

#include "ConfigFields.h"
#include "DataRadioDoc.h"

// A cell that holds a value no page would set, kept as the stored number: "raw:31".
constexpr const char* kCsvRawPrefix = "raw:";

std::string ExportChannelCsv(const CDataRadioDoc& doc);

// Replaces the channels the rows name in doc; columns left out and channels without a row keep their
// values. The columns may come in any order; "channel" is needed. On any fault returns false with
// "NAME:LINE: channel N column: reason" in error and leaves doc unchanged.
bool ImportChannelCsv(const std::string& text, const std::string& name, CDataRadioDoc& doc,
                      std::string& error);

// The column name of a channel field.
std::string ChannelCsvColumn(const SFieldDef& field);
// The column a heading names: a column name ("rx_mhz"), the channel page's caption ("Rx Freq(MHz)",
// "Tx Power", "CH") or its plain wording ("Channel", "Rx MHz"); case, spaces, brackets and underscores do
// not count. "channel" for the channel number, "rx_option"/"tx_option" for the option buttons' captions,
// empty when the heading names no column.
std::string ChannelCsvColumnOfHeading(const std::string& heading);
// One line into cells split at separator; quotes may hold separators and doubled quotes; cells are trimmed.
std::vector<std::string> SplitCsvLine(const std::string& line, char separator);
// The lines of a text without their line ends (and without a leading byte-order mark).
std::vector<std::string> CsvLines(const std::string& text);
// The same, without the lines that hold nothing but blanks, tabs and commas (a spreadsheet's empty rows).
std::vector<std::string> FilledCsvLines(const std::string& text);
