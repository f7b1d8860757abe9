#pragma once
// Registers the plain controls with the class registry, so that form
// definitions can name them: TButton, TPanel, TLabel, TGroupBox, TEdit,
// TComboBox, TCheckBox, TTrackBar, TStatusBar, TGauge, and the plain stand-in of the news pane
// (TPlainWebBrowser). Calling it again does no harm.

void RegisterPlainControls();
