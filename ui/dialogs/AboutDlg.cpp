#include "dialogs/AboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "Version.h"
#include "shared/DisplaySettings.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Data Radio PC Programmer"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(RadioPicture(96, palette()));
    top->addWidget(picture, 0, Qt::AlignTop);

    auto* text = new QVBoxLayout;
    auto* title = new QLabel(QStringLiteral("KV310 PC PROGRAMMER"), this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);
    text->addWidget(title);
    text->addWidget(new QLabel(tr("Version %1").arg(QString::fromUtf8(ProgramVersion())), this));
    text->addWidget(new QLabel(tr("Programs the KV310 and KV330 16-channel VHF/UHF data radios:\n"
                                  "channels, signalling, modem, GPS reporting and system options."),
                               this));
    text->addWidget(new QLabel(tr("Built with Qt %1.").arg(QString::fromLatin1(qVersion())), this));
    top->addLayout(text);
    layout->addLayout(top);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
