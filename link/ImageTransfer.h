#pragma once
// A whole radio transfer on one thread: encode the record and write it, or read the radio and decode it into
// the record. The command-line tool and the tests use it; the desktop program moves the bytes on a worker
// (CBlockTransfer) and encodes and decodes on its own thread.

#include "BlockTransfer.h"
#include "DataRadioDoc.h"
#include "EepromImage.h"

class CImageTransfer : public CBlockTransfer {
public:
    CImageTransfer(CRadioPort& port, CEepromImage& image, CDataRadioDoc& doc, STransferHooks hooks = {})
        : CBlockTransfer(port, std::move(hooks)), m_Image(image), m_Doc(doc) {}

    // Encodes the record, lays the map changes over it and writes it. True when all 26 blocks were accepted.
    bool WriteRadio();
    // Reads 26 blocks. Only when all arrived: the read image becomes the working image and is decoded into
    // the record. True then; on any failure the images and the record are untouched.
    bool ReadRadio();

private:
    CEepromImage& m_Image;
    CDataRadioDoc& m_Doc;
};
