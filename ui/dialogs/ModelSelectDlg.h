#pragma once
// "SELECT MODEL": four model buttons, a text that describes the button under the pointer, and a picture.
// No OK or Cancel: a model button closes it with that model; the close box and Escape leave everything as is.

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <string>

#include "DataRadioDoc.h"

class CModelSelectDlg : public QDialog {
    Q_OBJECT
public:
    explicit CModelSelectDlg(QWidget* parent = nullptr);

    // The catalogue row of the pressed button, or -1 while none was pressed.
    int m_nModel = -1;

    std::array<QPushButton*, 4> m_Buttons{};
    QPlainTextEdit* m_pText = nullptr;
    QLabel* m_pPicture = nullptr;
    std::array<std::string, 4> m_strTexts;  // one per button, prepared on opening

    static const char* const kPictureText;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowHoverText(int hover, const std::string& text);
    int m_nHover = -2;  // -2 nothing yet, -1 the picture, 0-3 a button
};
