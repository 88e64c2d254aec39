#include "dialogs/ModelSelectDlg.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "TextMark.h"
#include "shared/DisplaySettings.h"
#include "shared/QtMessageSink.h"

const char* const CModelSelectDlg::kPictureText =
    KV310_TEXT("Messages",
               " KV310 and KV330 16-channel data radios. \r\n\r\n Choose the radio you are going to "
               "program. Choosing a model starts a new, empty configuration.\r\n");

CModelSelectDlg::CModelSelectDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("SELECT MODEL"));
    auto* layout = new QHBoxLayout(this);

    auto* group = new QGroupBox(tr("SELECT MODEL"), this);
    auto* buttons = new QVBoxLayout(group);
    static const char* const kNames[4] = {"KV310 VHF", "KV310 UHF", "KV330 VHF", "KV330 UHF"};
    for (int i = 0; i < 4; ++i) {
        const int row = kFirstOfferedModel + i;
        m_strTexts[i] = ModelSelectText(ModelCatalogue()[row]);
        m_Buttons[i] = new QPushButton(QString::fromLatin1(kNames[i]), group);
        m_Buttons[i]->setMinimumSize(140, 44);
        m_Buttons[i]->setAutoDefault(false);
        m_Buttons[i]->installEventFilter(this);
        connect(m_Buttons[i], &QPushButton::clicked, this, [this, row] {
            m_nModel = row;
            accept();
        });
        buttons->addWidget(m_Buttons[i]);
    }
    layout->addWidget(group);

    auto* right = new QVBoxLayout;
    m_pPicture = new QLabel(this);
    m_pPicture->setPixmap(RadioPicture(160, palette()));
    m_pPicture->setAlignment(Qt::AlignCenter);
    m_pPicture->installEventFilter(this);
    right->addWidget(m_pPicture);
    m_pText = new QPlainTextEdit(this);
    m_pText->setReadOnly(true);
    m_pText->setMinimumWidth(260);
    m_pText->setMaximumHeight(110);
    right->addWidget(m_pText);
    layout->addLayout(right);
    ShowHoverText(-1, kPictureText);
}

bool CModelSelectDlg::eventFilter(QObject* watched, QEvent* event) {
    // Return and Enter choose the model whose button has the focus, as Space does; no button is the
    // default, so Return elsewhere chooses none.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    if (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 4; ++i) {
            if (watched == m_Buttons[i]) {
                ShowHoverText(i, m_strTexts[i]);
            }
        }
        if (watched == m_pPicture) {
            ShowHoverText(-1, kPictureText);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CModelSelectDlg::ShowHoverText(int hover, const std::string& text) {
    // Only entering a different button or the picture replaces the text.
    if (hover == m_nHover) {
        return;
    }
    m_nHover = hover;
    m_pText->setPlainText(ToDisplayText(text));
}
