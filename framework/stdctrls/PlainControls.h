#pragma once
// Registers the plain controls with the class registry, so that form
// definitions can name them: TButton, TPanel, TLabel, TGroupBox, TEdit,
// TComboBox, TCheckBox, TTrackBar, TStatusBar, TGauge, TWebBrowser.
// Calling it again does no harm.

void RegisterPlainControls();
