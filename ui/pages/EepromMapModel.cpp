#include "pages/EepromMapModel.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>

#include "EepromLayout.h"
#include "shared/DisplaySettings.h"

namespace {

// "0x0B8"
QString AddressText(int address) {
    return QStringLiteral("0x") + QString::number(address, 16).toUpper().rightJustified(3, QLatin1Char('0'));
}

}  // namespace

CEepromMapModel::CEepromMapModel(const CEepromImage& pending, QObject* parent)
    : QAbstractTableModel(parent), m_Pending(pending) {}

int CEepromMapModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kImageBlocks;
}

int CEepromMapModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kImageBlockSize;
}

QModelIndex CEepromMapModel::IndexOf(int address) const {
    return index(address / kImageBlockSize, address % kImageBlockSize);
}

QVariant CEepromMapModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int address = Address(index);
    const QString addressText = AddressText(address);
    const bool pending = m_Pending.HasChangeByte(address);
    switch (role) {
        case Qt::DisplayRole:
            return QStringLiteral("%1").arg(m_Shown[address], 2, 16, QLatin1Char('0')).toUpper();
        case Qt::BackgroundRole:
            return m_Marked.test(address) ? MapMarkColour(QGuiApplication::palette())
                                          : MapPlainColour(QGuiApplication::palette());
        case Qt::ForegroundRole:
            return MapTextColour(QGuiApplication::palette());
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::FontRole: {
            QFont font;
            font.setBold(pending);
            return font;
        }
        case Qt::AccessibleTextRole:
            // A screen reader hears the byte with its address, as a sighted user reads the cell in its row.
            return QStringLiteral("%1: %2").arg(addressText, data(index, Qt::DisplayRole).toString());
        case Qt::AccessibleDescriptionRole:
        case Qt::ToolTipRole: {
            QString text = tr("%1 (%2): %3")
                               .arg(addressText)
                               .arg(address)
                               .arg(QString::fromStdString(DescribeImageByte(address)));
            if (m_Marked.test(address)) {
                text += tr("\nChanged since the marks were last cleared.");
            }
            if (pending) {
                text += tr("\nEdited by hand: every write sends this value until Clear Changes.");
            }
            return text;
        }
        default:
            return {};
    }
}

QVariant CEepromMapModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole) {
        return QString::number(section, 16).toUpper();
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    if (role == Qt::AccessibleTextRole) {
        return orientation == Qt::Horizontal
                   ? tr("Byte %1 of the row").arg(QString::number(section, 16).toUpper())
                   : tr("Addresses %1 to %2")
                         .arg(AddressText(section * kImageBlockSize))
                         .arg(AddressText(section * kImageBlockSize + kImageBlockSize - 1));
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void CEepromMapModel::ChangedAll() {
    emit dataChanged(index(0, 0), index(kImageBlocks - 1, kImageBlockSize - 1));
}

void CEepromMapModel::Fill(const CImageBytes& bytes) {
    m_Shown = bytes;
    m_Marked.reset();
    ChangedAll();
}

void CEepromMapModel::Update(const CImageBytes& bytes, bool mark) {
    for (int address = 0; address < kImageSize; ++address) {
        if (bytes[address] != m_Shown[address]) {
            m_Shown[address] = bytes[address];
            m_Marked.set(address, mark);
        }
    }
    ChangedAll();  // one repaint for the whole map, as with the grid's redraw switched off
}

void CEepromMapModel::SetByte(int address, uint8_t value) {
    m_Shown[address] = value;
    const QModelIndex cell = IndexOf(address);
    emit dataChanged(cell, cell);
}

void CEepromMapModel::ClearMarks() {
    m_Marked.reset();
    ChangedAll();
}

void CEepromMapModel::PendingChanged() {
    ChangedAll();
}
