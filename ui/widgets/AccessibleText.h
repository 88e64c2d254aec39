#pragma once
// Names for people who cannot see the window. A control that shows a caption is named by that caption, as a
// speech user says it ("click INPUT"); what the control does goes in its accessible description.

#include <QString>

class QAbstractButton;
class QWidget;

// The caption as it is spoken: no mnemonic '&', no "#" bullet, no closing colon, spaces collapsed, and a
// caption written one letter a line ("D\nE\nF") read as the word it spells.
QString SpokenCaption(const QString& caption);

// Names control by its caption and describes it with explanation.
void NameByCaption(QWidget* control, const QString& caption, const QString& explanation);

// Changes a button's caption and its name with it: a speech user says what the button shows now.
void SetCaption(QAbstractButton* button, const QString& caption);
