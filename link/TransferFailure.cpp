#include "TransferFailure.h"

#include "EepromImage.h"
#include "Format.h"
#include "PartlyWritten.h"
#include "TextMark.h"

namespace {

enum class EDirection { Any, Write, Read };

// One row: where the transfer was, what happened and in which direction, and the advice with its fields:
// {port}, {block}, {stored} (the partly-written sentence), {address}, {held}, {written}, {differ}.
struct SAdviceRow {
    EStage m_Stage;
    ERadioDid m_Did;
    EDirection m_Direction;
    const char* m_szAdvice;
};

constexpr const char* kCheckCable =
    KV310_TEXT("Messages",
               "Check that the cable is plugged into the radio, the radio is switched on and not "
               "transmitting, and {port} is the cable's port (Port > Find the Cable).");

// The first row that matches wins; rows for any stage follow the specific ones.
const SAdviceRow kAdviceTable[] = {
    {EStage::Request, ERadioDid::NoAnswer, EDirection::Any,
     KV310_TEXT("Messages", "The radio did not answer on {port}. {check}")},
    {EStage::Request, ERadioDid::Refused, EDirection::Any,
     KV310_TEXT("Messages",
                "The radio refused programming mode: it is busy (receiving, transmitting or scanning) or "
                "another program holds it. Wait until the radio is idle, close other programming tools, "
                "switch the radio off and on, then try again.")},
    {EStage::Request, ERadioDid::Garbled, EDirection::Any,
     KV310_TEXT("Messages",
                "The radio's answer on {port} was garbled: a cable or baud problem. Use the radio's "
                "programming cable, make sure it sits firmly, close any program that set up {port} at "
                "another speed, then try again.")},
    {EStage::Blocks, ERadioDid::NoAnswer, EDirection::Write,
     KV310_TEXT("Messages",
                "The radio stopped answering at block {block} of 26; {stored}. Check the cable first.")},
    {EStage::Blocks, ERadioDid::BlockRefused, EDirection::Write,
     KV310_TEXT("Messages",
                "The radio kept asking for block {block} again (it arrived damaged): a cable or baud "
                "problem; {stored}. Check the cable first.")},
    {EStage::Blocks, ERadioDid::Garbled, EDirection::Write,
     KV310_TEXT("Messages",
                "The radio's answer to block {block} was garbled: a cable or baud problem; {stored}. "
                "Check the cable first.")},
    {EStage::Blocks, ERadioDid::NoAnswer, EDirection::Read,
     KV310_TEXT("Messages",
                "The radio stopped sending at block {block} of 26. Nothing was changed: check the cable "
                "and read again.")},
    {EStage::Blocks, ERadioDid::Garbled, EDirection::Read,
     KV310_TEXT("Messages",
                "Block {block} arrived garbled or damaged every time: a cable or baud problem. Nothing "
                "was changed: check the cable and read again.")},
    {EStage::Blocks, ERadioDid::PortStalled, EDirection::Write,
     KV310_TEXT(
         "Messages",
         "The adapter stopped at block {block}; {stored}. Unplug the cable and plug it in again first.")},
    {EStage::Blocks, ERadioDid::BytesLost, EDirection::Write,
     KV310_TEXT("Messages", "Bytes from the radio were lost at block {block}; {stored}.")},
    {EStage::ReadBack, ERadioDid::Mismatch, EDirection::Any,
     KV310_TEXT("Messages",
                "Verify failed: at 0x{address} the radio holds 0x{held} where 0x{written} was written; "
                "{differ}. Write the radio again; if this repeats, the radio needs service.")},
    {EStage::ReadBack, ERadioDid::NoAnswer, EDirection::Any,
     KV310_TEXT("Messages",
                "The radio could not be read back, so the write is not proven. Write the radio again.")},
    {EStage::ReadBack, ERadioDid::Garbled, EDirection::Any,
     KV310_TEXT("Messages",
                "The radio could not be read back, so the write is not proven. Write the radio again.")},
    {EStage::Request, ERadioDid::PortStalled, EDirection::Any,
     KV310_TEXT("Messages", "Unplug the cable, plug it in again, then try again.")},
    {EStage::Blocks, ERadioDid::PortStalled, EDirection::Read,
     KV310_TEXT("Messages", "Nothing was changed. Unplug the cable, plug it in again, then read again.")},
    {EStage::Blocks, ERadioDid::BytesLost, EDirection::Read,
     KV310_TEXT("Messages", "Nothing was changed. Read again.")},
};

bool Matches(const SAdviceRow& row, const STransferFailure& failure) {
    if (row.m_Stage != failure.m_Stage || row.m_Did != failure.m_Did) {
        return false;
    }
    return row.m_Direction == EDirection::Any || (row.m_Direction == EDirection::Write) == failure.m_bWrite;
}

void Replace(std::string& text, const std::string& field, const std::string& value) {
    for (size_t at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size())) {
        text.replace(at, field.size(), value);
    }
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

std::string FailureAdvice(const STransferFailure& failure) {
    for (const SAdviceRow& row : kAdviceTable) {
        if (!Matches(row, failure)) {
            continue;
        }
        std::string text = LookUpText(KV310_MESSAGES, row.m_szAdvice);
        Replace(text, "{check}", LookUpText(KV310_MESSAGES, kCheckCable));
        Replace(text, "{port}",
                failure.m_strPort.empty() ? LookUpText(KV310_MESSAGES, KV310_TEXT("Messages", "the port"))
                                          : failure.m_strPort);
        Replace(text, "{block}", std::to_string(failure.m_nBlock));
        Replace(text, "{stored}", StoredText(failure.m_nBlock));
        Replace(text, "{address}", StrPrintf("%03X", failure.m_nAddress));
        Replace(text, "{held}", StrPrintf("%02X", failure.m_nHeld));
        Replace(text, "{written}", StrPrintf("%02X", failure.m_nWritten));
        Replace(text, "{differ}",
                StrPrintf("%d byte%s differ%s", failure.m_nDiffering, failure.m_nDiffering == 1 ? "" : "s",
                          failure.m_nDiffering == 1 ? "s" : ""));
        return text;
    }
    return std::string();
}

std::string FailureMessage(const std::string& firstLine, const STransferFailure& failure) {
    const std::string advice = FailureAdvice(failure);
    if (advice.empty() || firstLine.empty()) {
        return advice.empty() ? firstLine : advice;
    }
    return firstLine + "\n" + advice;
}
