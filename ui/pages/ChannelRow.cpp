#include "pages/ChannelRow.h"

#include <QCoreApplication>
#include <QStyle>

#include "FrequencyRules.h"

const SChannelColumn kChannelColumns[8] = {
    {EChannelColumn::Number, QT_TRANSLATE_NOOP("CChannelPage", "CH"), 26, nullptr, nullptr, nullptr},
    {EChannelColumn::RxFreq, QT_TRANSLATE_NOOP("CChannelPage", "Rx Freq(MHz)"), 100,
     QT_TRANSLATE_NOOP("CChannelPage", "RX frequency"), nullptr, nullptr},
    {EChannelColumn::RxOption, QT_TRANSLATE_NOOP("CChannelPage", "RxOption"), 74,
     QT_TRANSLATE_NOOP("CChannelPage", "RX option"), nullptr, nullptr},
    {EChannelColumn::TxFreq, QT_TRANSLATE_NOOP("CChannelPage", "Tx Freq(MHz)"), 100,
     QT_TRANSLATE_NOOP("CChannelPage", "TX frequency"), nullptr, nullptr},
    {EChannelColumn::TxOption, QT_TRANSLATE_NOOP("CChannelPage", "TxOption"), 74,
     QT_TRANSLATE_NOOP("CChannelPage", "TX option"), nullptr, nullptr},
    {EChannelColumn::Wide, QT_TRANSLATE_NOOP("CChannelPage", "BW"), 66,
     QT_TRANSLATE_NOOP("CChannelPage", "bandwidth"), QT_TRANSLATE_NOOP("CChannelPage", "Narrow"),
     QT_TRANSLATE_NOOP("CChannelPage", "Wide")},
    {EChannelColumn::HighPower, QT_TRANSLATE_NOOP("CChannelPage", "Tx Power"), 66,
     QT_TRANSLATE_NOOP("CChannelPage", "TX power"), QT_TRANSLATE_NOOP("CChannelPage", "Low"),
     QT_TRANSLATE_NOOP("CChannelPage", "High")},
    {EChannelColumn::Scan, QT_TRANSLATE_NOOP("CChannelPage", "Scan"), 36,
     QT_TRANSLATE_NOOP("CChannelPage", "scan member"), nullptr, nullptr},
};

namespace {

QPushButton* MakeToggle(QWidget* parent) {
    auto* box = new QPushButton(parent);
    box->setCheckable(true);
    box->setAutoDefault(false);
    return box;
}

// A two-state column is as wide as its longer caption in the window's language needs, at least its own width.
int ColumnWidth(const QWidget* widget, const SChannelColumn& col) {
    if (col.m_pOn == nullptr) {
        return col.m_nWidth;
    }
    const QFontMetrics metrics = widget->fontMetrics();
    const int text =
        std::max(metrics.horizontalAdvance(QCoreApplication::translate("CChannelPage", col.m_pOn)),
                 metrics.horizontalAdvance(QCoreApplication::translate("CChannelPage", col.m_pOff)));
    const QStyle* style = widget->style();
    return std::max(col.m_nWidth, text + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget) +
                                      2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget));
}

}  // namespace

CChannelRow::CChannelRow(int channel, QGridLayout& grid, int gridRow, QWidget* parent) : m_nChannel(channel) {
    for (int column = 0; column < 8; ++column) {
        const SChannelColumn& col = kChannelColumns[column];
        QWidget* widget = nullptr;
        switch (col.m_Kind) {
            case EChannelColumn::Number:
                widget = m_pNumber = new QLabel(QString::number(channel), parent);
                m_pNumber->setAlignment(Qt::AlignCenter);
                break;
            case EChannelColumn::RxFreq:
                widget = m_pRxFreq =
                    new CDigitEdit(kFrequencyFieldChars, CDigitEdit::EMode::Frequency, parent);
                break;
            case EChannelColumn::TxFreq:
                widget = m_pTxFreq =
                    new CDigitEdit(kFrequencyFieldChars, CDigitEdit::EMode::Frequency, parent);
                break;
            case EChannelColumn::RxOption:
                widget = m_pRxOption = new COptionButton(parent);
                break;
            case EChannelColumn::TxOption:
                widget = m_pTxOption = new COptionButton(parent);
                break;
            case EChannelColumn::Wide:
                widget = m_pWide = MakeToggle(parent);
                break;
            case EChannelColumn::HighPower:
                widget = m_pHighPower = MakeToggle(parent);
                break;
            case EChannelColumn::Scan:
                widget = m_pScan = new QCheckBox(parent);
                break;
        }
        if (col.m_Kind == EChannelColumn::Scan) {
            // Just the box, so a click anywhere on it ticks it; the column keeps its width.
            grid.setColumnMinimumWidth(column, col.m_nWidth);
        } else {
            widget->setFixedWidth(ColumnWidth(widget, col));
        }
        if (col.m_pWhat != nullptr) {
            widget->setAccessibleName(What(col));
            if (auto* option = qobject_cast<COptionButton*>(widget)) {
                option->m_strWhat = What(col);
            }
        }
        grid.addWidget(widget, gridRow, column,
                       col.m_Kind == EChannelColumn::Scan ? Qt::AlignCenter : Qt::Alignment());
    }
    CaptionToggles();
}

QString CChannelRow::What(const SChannelColumn& col) const {
    return QCoreApplication::translate("CChannelPage", "Channel %1 %2")
        .arg(m_nChannel)
        .arg(QCoreApplication::translate("CChannelPage", col.m_pWhat));
}

QWidget* CChannelRow::Widget(EChannelColumn kind) const {
    switch (kind) {
        case EChannelColumn::Number:
            return m_pNumber;
        case EChannelColumn::RxFreq:
            return m_pRxFreq;
        case EChannelColumn::RxOption:
            return m_pRxOption;
        case EChannelColumn::TxFreq:
            return m_pTxFreq;
        case EChannelColumn::TxOption:
            return m_pTxOption;
        case EChannelColumn::Wide:
            return m_pWide;
        case EChannelColumn::HighPower:
            return m_pHighPower;
        case EChannelColumn::Scan:
            return m_pScan;
    }
    return nullptr;
}

void CChannelRow::CaptionToggles() {
    for (const SChannelColumn& col : kChannelColumns) {
        if (col.m_pOn != nullptr) {
            auto* box = static_cast<QPushButton*>(Widget(col.m_Kind));
            box->setText(
                QCoreApplication::translate("CChannelPage", box->isChecked() ? col.m_pOn : col.m_pOff));
            // The caption is the state: the name carries it too ("Channel 4 TX power: High").
            box->setAccessibleName(What(col) + QStringLiteral(": ") + box->text());
        }
    }
}
