#include "TransferFailure.h"

#include <array>

#include "EepromImage.h"
#include "Format.h"
#include "PartlyWritten.h"
#include "TextMark.h"

namespace {

enum class EDirection { Any, Write, Read };

// The sentences of the advice, each written once. Their fields: {port}, {block}, {stored} (the
// partly-written sentence), {address}, {held}, {written}, {differ}, {find} (how to find the cable's port).
constexpr const char* kNoAnswer = KV310_TEXT("Messages", "The radio did not answer on {port}.");
constexpr const char* kCheckCable = KV310_TEXT(
    "Messages",
    "Check that the cable is plugged into the radio, the radio is switched on and not transmitting, "
    "and {port} is the cable's port ({find}).");
constexpr const char* kRefused = KV310_TEXT(
    "Messages",
    "The radio refused programming mode: it is busy (receiving, transmitting or scanning) or another "
    "program holds it. Wait until the radio is idle, close other programming tools, switch the radio off "
    "and on, then try again.");

constexpr const char* kGarbledAnswer = KV310_TEXT(
    "Messages",
    "The radio's answer on {port} was garbled: a cable or baud problem. Use the radio's programming cable, "
    "make sure it sits firmly, close any program that set up {port} at another speed, then try again.");

// A radio that answered the request and then fell silent was not unplugged all along: it lost power, or
// the cable moved.
constexpr const char* kLinkLost = KV310_TEXT(
    "Messages",
    "The link was lost mid-transfer: the radio lost power (battery, supply), or the cable moved or came "
    "loose.");

constexpr const char* kStoppedAnswering =
    KV310_TEXT("Messages", "The radio stopped answering at block {block} of 26; {stored}.");

constexpr const char* kStoppedSending =
    KV310_TEXT("Messages", "The radio stopped sending at block {block} of 26.");

constexpr const char* kCheckPowerWrite =
    KV310_TEXT("Messages", "Check the radio's power and the cable first.");

constexpr const char* kCheckPowerRead =
    KV310_TEXT("Messages", "Check the radio's power and the cable, then read again.");

constexpr const char* kKeptAsking =
    KV310_TEXT("Messages",
               "The radio kept asking for block {block} again (it arrived damaged): a cable or baud problem; "
               "{stored}.");

constexpr const char* kGarbledBlockWrite = KV310_TEXT(
    "Messages", "The radio's answer to block {block} was garbled: a cable or baud problem; {stored}.");

constexpr const char* kGarbledBlockRead =
    KV310_TEXT("Messages", "Block {block} arrived garbled or damaged every time: a cable or baud problem.");

constexpr const char* kCheckCableFirst = KV310_TEXT("Messages", "Check the cable first.");

constexpr const char* kNothingCheckCable =
    KV310_TEXT("Messages", "Nothing was changed: check the cable and read again.");

constexpr const char* kNothingChanged = KV310_TEXT("Messages", "Nothing was changed.");

constexpr const char* kAdapterStopped =
    KV310_TEXT("Messages", "The adapter stopped at block {block}; {stored}.");

constexpr const char* kReplugFirst = KV310_TEXT("Messages", "Unplug the cable and plug it in again first.");

constexpr const char* kReplugTryAgain =
    KV310_TEXT("Messages", "Unplug the cable, plug it in again, then try again.");

constexpr const char* kReplugReadAgain =
    KV310_TEXT("Messages", "Unplug the cable, plug it in again, then read again.");

constexpr const char* kBytesLost =
    KV310_TEXT("Messages", "Bytes from the radio were lost at block {block}; {stored}.");

constexpr const char* kReadAgain = KV310_TEXT("Messages", "Read again.");

constexpr const char* kMismatch = KV310_TEXT(
    "Messages",
    "Verify failed: at 0x{address} the radio holds 0x{held} where 0x{written} was written; {differ}.");

constexpr const char* kWriteAgainOrService =
    KV310_TEXT("Messages", "Write the radio again; if this repeats, the radio needs service.");

constexpr const char* kNotReadBack =
    KV310_TEXT("Messages", "The radio could not be read back, so the write is not proven.");

constexpr const char* kWriteAgain = KV310_TEXT("Messages", "Write the radio again.");

constexpr unsigned Stages(std::initializer_list<EStage> stages) {
    unsigned bits = 0;
    for (const EStage stage : stages) {
        bits |= 1u << static_cast<unsigned>(stage);
    }
    return bits;
}

constexpr unsigned Causes(std::initializer_list<ERadioDid> causes) {
    unsigned bits = 0;
    for (const ERadioDid did : causes) {
        bits |= 1u << static_cast<unsigned>(did);
    }
    return bits;
}

// One row: the stages and causes it answers (bit sets), the direction, and its sentences in order.
struct SAdviceRow {
    unsigned m_nStages;
    unsigned m_nCauses;
    EDirection m_Direction;
    std::array<const char*, 4> m_Sentences;  // the unused ones null
};

constexpr unsigned kRequest = Stages({EStage::Request});
constexpr unsigned kBlocks = Stages({EStage::Blocks});
constexpr unsigned kReadBack = Stages({EStage::ReadBack});

// The first row that matches wins.
const SAdviceRow kAdviceTable[] = {
    {kRequest, Causes({ERadioDid::NoAnswer}), EDirection::Any, {kNoAnswer, kCheckCable}},
    {kRequest, Causes({ERadioDid::Refused}), EDirection::Any, {kRefused}},
    {kRequest, Causes({ERadioDid::Garbled}), EDirection::Any, {kGarbledAnswer}},
    {kRequest, Causes({ERadioDid::PortStalled}), EDirection::Any, {kReplugTryAgain}},
    {kBlocks,
     Causes({ERadioDid::NoAnswer}),
     EDirection::Write,
     {kStoppedAnswering, kLinkLost, kCheckPowerWrite}},
    {kBlocks,
     Causes({ERadioDid::NoAnswer}),
     EDirection::Read,
     {kStoppedSending, kLinkLost, kNothingChanged, kCheckPowerRead}},
    {kBlocks, Causes({ERadioDid::BlockRefused}), EDirection::Write, {kKeptAsking, kCheckCableFirst}},
    {kBlocks, Causes({ERadioDid::Garbled}), EDirection::Write, {kGarbledBlockWrite, kCheckCableFirst}},
    {kBlocks, Causes({ERadioDid::Garbled}), EDirection::Read, {kGarbledBlockRead, kNothingCheckCable}},
    {kBlocks, Causes({ERadioDid::PortStalled}), EDirection::Write, {kAdapterStopped, kReplugFirst}},
    {kBlocks, Causes({ERadioDid::PortStalled}), EDirection::Read, {kNothingChanged, kReplugReadAgain}},
    {kBlocks, Causes({ERadioDid::BytesLost}), EDirection::Write, {kBytesLost}},
    {kBlocks, Causes({ERadioDid::BytesLost}), EDirection::Read, {kNothingChanged, kReadAgain}},
    {kReadBack, Causes({ERadioDid::Mismatch}), EDirection::Any, {kMismatch, kWriteAgainOrService}},
    {kReadBack,
     Causes({ERadioDid::NoAnswer, ERadioDid::Garbled}),
     EDirection::Any,
     {kNotReadBack, kWriteAgain}},
};

bool Matches(const SAdviceRow& row, const STransferFailure& failure) {
    if ((row.m_nStages & Stages({failure.m_Stage})) == 0 || (row.m_nCauses & Causes({failure.m_Did})) == 0) {
        return false;
    }
    return row.m_Direction == EDirection::Any || (row.m_Direction == EDirection::Write) == failure.m_bWrite;
}

// What a write that stopped at block goodBlocks left in the radio; with no block stored, what it held.
std::string StoredText(int goodBlocks) {
    if (goodBlocks <= 0) {
        return LookUpText(
            KV310_MESSAGES,
            KV310_TEXT(
                "Messages",
                "no block was stored, so the radio keeps the configuration it held \u2014 write again"));
    }
    return PartlyWrittenText(goodBlocks);
}

}  // namespace

std::string FailureAdvice(const STransferFailure& failure, const char* findCable) {
    for (const SAdviceRow& row : kAdviceTable) {
        if (!Matches(row, failure)) {
            continue;
        }
        std::string text;
        for (const char* sentence : row.m_Sentences) {
            if (sentence != nullptr) {
                text += (text.empty() ? "" : " ") + LookUpText(KV310_MESSAGES, sentence);
            }
        }
        // the window's menu path in the window's words; kv310ctl's command is looked up in no catalogue
        FillField(text, "{find}", findCable != nullptr ? LookUpText(KV310_MESSAGES, findCable) : "");
        FillField(text, "{port}",
                  failure.m_strPort.empty() ? LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "the port"))
                                            : failure.m_strPort);
        FillField(text, "{block}", std::to_string(failure.m_nBlock));
        FillField(text, "{stored}", StoredText(failure.m_nBlock));
        FillField(text, "{address}", StrPrintf("%03X", failure.m_nAddress));
        FillField(text, "{held}", StrPrintf("%02X", failure.m_nHeld));
        FillField(text, "{written}", StrPrintf("%02X", failure.m_nWritten));
        FillField(text, "{differ}",
                  failure.m_nDiffering == 1
                      ? LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "1 byte differs"))
                      : TextPrintf(KV310_MESSAGES, KV310_TEXT("Messages", "%d bytes differ"),
                                   failure.m_nDiffering));
        return text;
    }
    return std::string();
}

std::string FailureMessage(const std::string& firstLine, const STransferFailure& failure,
                           const char* findCable) {
    const std::string advice = FailureAdvice(failure, findCable);
    if (advice.empty() || firstLine.empty()) {
        return advice.empty() ? firstLine : advice;
    }
    return firstLine + "\n" + advice;
}
