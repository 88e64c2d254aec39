#pragma once
// What a write that stopped after some blocks went in leaves behind, in the user's words: the radio holds
// new blocks and old ones side by side, a configuration nobody planned.

#include <string>

// "partly written: blocks 0–9 are new, 10–25 are not; the radio still holds a mixed configuration — write
// again". blocksWritten is how many blocks, from block 0 on, the radio accepted (1 to 25); with none the
// radio holds what it held, with all of them the write is whole: both give an empty text.
std::string PartlyWrittenText(int blocksWritten);
