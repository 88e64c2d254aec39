#pragma once
// Channel lists in CHIRP's CSV, the form repeater lists and frequency plans travel in between radio people:
//
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,
//   CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE
//   1,,146.520000,,0.000000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,
//
// Reading finds the columns by their names (any order, any of CHIRP's column sets, extra columns ignored)
// and puts the rows into the 16 channels; a row the radio cannot hold (outside the band, a mode or a tone
// it lacks, past channel 16) is left out and named in the outcome. Writing gives the canonical columns,
// one row per programmed channel with its channel number as Location; reading that back gives the same
// channels.
//
// The sides' signalling as CHIRP keeps it: rToneFreq is the transmitted tone, cToneFreq the received one
// (both sides' with TSQL), DtcsCode the transmitted code (both sides' with DTCS), RxDtcsCode the received
// one; Cross with CrossMode "TX->RX" ("Tone->DTCS", "->Tone", ...) names each side's kind.

#include <string>
#include <vector>

#include "DataRadioDoc.h"

// CHIRP's canonical column set, the one ExportChirpCsv writes.
extern const char* const kChirpColumns[21];

// Whether a line is a CHIRP header: it names at least the Location and Frequency columns.
bool IsChirpHeader(const std::string& line);

struct SChirpLeftOut {
    std::string m_strLocation;  // as the row gives it
    std::string m_strReason;    // "AM is a mode the radio lacks"
};

struct SChirpImport {
    std::vector<std::pair<int, std::string>> m_Placed;  // channel (1-16), the Location of its row
    std::vector<SChirpLeftOut> m_LeftOut;               // in the file's order
    std::vector<std::string> m_NoRoom;                  // Locations of rows past channel 16
    std::vector<std::string> m_Notes;                   // "channel 3 (Location 7): ..."
    bool m_bByLocation = false;    // the Locations named the channels (a list of 16 or fewer, like ours)
    bool m_bNamesDropped = false;  // some row taken had a Name or Comment
};

// One row of a CHIRP list as a channel of the model: the channel, or why the radio cannot hold it.
struct SChirpRow {
    std::string m_strLocation;
    bool m_bTaken = false;
    bool m_bNamed = false;  // it has a Name or a Comment
    CChannelData m_Channel;
    std::string m_strReason;           // when not taken
    std::vector<std::string> m_Notes;  // what was fitted or guessed ("Power 'Mid' taken as low")
};
// The rows of a list (comma- or tab-separated) read for doc's model and band. False with error when the
// text is too large or its first line is no CHIRP header.
bool ReadChirpRows(const std::string& text, const std::string& name, const CDataRadioDoc& doc,
                   std::vector<SChirpRow>& rows, std::string& error);

// Puts the list's channels into doc's 16 channels; the channels no row fills are emptied. The rows go to
// channels 1-16 in the file's order; when every row names a different Location 1-16 in rising order (and
// first is empty) a row goes to the channel its Location names instead. first: the Location of the row to
// start from. False with error (doc unchanged) when the text is no CHIRP list or first names no row.
bool ImportChirpCsv(const std::string& text, const std::string& name, const std::string& first,
                    CDataRadioDoc& doc, SChirpImport& outcome, std::string& error);

// What the import did, a line each: the rows left out with their reasons, the notes, the names dropped.
std::string ChirpImportReport(const SChirpImport& outcome);

// The programmed channels in CHIRP's canonical columns; notes gets a line per value CHIRP has no column
// for (two-tone on receive).
std::string ExportChirpCsv(const CDataRadioDoc& doc, std::vector<std::string>& notes);
