#pragma once
// Puts the main form into the main window and connects the two: the window's commands to the form's
// handlers, the form's page changes, status texts and busy state to the window. Neither knows the other.

#include <memory>

#include "LinkSession.h"
#include "app/MainWindow.h"

class CMainForm;

// Makes the form the window's central widget and wires them; returns the form (owned by the window).
// device is the port the form opens (the serial driver when none is given).
CMainForm* CreateMainForm(CMainWindow& frame, CDataRadioDoc& doc, CMessageSink& sink, CComResolver resolve,
                          std::unique_ptr<CRadioPort> device = nullptr);

// The form's start (StartWithFreshRecord), then the Port menu (which shows the port the form read from the
// port file).
void StartMainWindow(CMainWindow& frame, CMainForm& view);
