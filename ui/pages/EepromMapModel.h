#pragma once
// The EEPROM map's cells: 26 rows of 16 bytes, labelled 0-19 and 0-F in hexadecimal. A cell shows the byte
// it was last given (the map keeps its own copy, as a grid keeps its cell texts), a mark when that byte
// changed, and in bold a byte edit still pending for the next write. Its tool-tip says what the byte holds.

#include <QAbstractTableModel>
#include <bitset>

#include "EepromImage.h"

// The background of a changed byte (red 0xFF, green 0xCC, blue 0xFF) and of every other cell.
constexpr unsigned kMapMarkRgb = 0xFFCCFF;
constexpr unsigned kMapPlainRgb = 0xFFFFFF;

class CEepromMapModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // pending: the image whose pending change bytes are shown in bold.
    explicit CEepromMapModel(const CEepromImage& pending, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static int Address(const QModelIndex& index) { return index.row() * kImageBlockSize + index.column(); }
    QModelIndex IndexOf(int address) const;

    // Every cell from bytes, none marked.
    void Fill(const CImageBytes& bytes);
    // The cells whose byte differs from bytes take it, marked or plain.
    void Update(const CImageBytes& bytes, bool mark);
    // One cell takes value; its mark stays as it was.
    void SetByte(int address, uint8_t value);
    void ClearMarks();
    // The pending edits were changed elsewhere: redraw their fonts.
    void PendingChanged();

    CImageBytes m_Shown{};
    std::bitset<kImageSize> m_Marked;

private:
    void ChangedAll();

    const CEepromImage& m_Pending;
};
