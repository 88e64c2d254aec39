#pragma once
// The tone pickers: a grid of the radio's CTCSS tones (7 x 7, the eleven marked tones coloured) or DCS codes
// (8 x 13). Arrow keys or the mouse choose a cell; OK, Enter or a double click hands its text back.

#include <QDialog>
#include <QTableWidget>

class CTonePickerDlg : public QDialog {
    Q_OBJECT
public:
    enum class EKind { Ctcss, Dcs };
    CTonePickerDlg(EKind kind, QWidget* parent = nullptr);

    // Makes the cell with this text current (the first cell when there is none).
    void SelectValue(const QString& text);
    void accept() override;

    QTableWidget* m_pGrid = nullptr;
    QString m_strPick;  // the chosen cell's text after OK
};

// " CTCSS": tones with "%4.1f".
class CCtcssDlg : public CTonePickerDlg {
    Q_OBJECT
public:
    explicit CCtcssDlg(QWidget* parent = nullptr) : CTonePickerDlg(EKind::Ctcss, parent) {}
};

// " DCS": codes with "%03d".
class CDcsDlg : public CTonePickerDlg {
    Q_OBJECT
public:
    explicit CDcsDlg(QWidget* parent = nullptr) : CTonePickerDlg(EKind::Dcs, parent) {}
};
