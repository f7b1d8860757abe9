#include "framework/PlainControls.h"

#include "framework/TButton.h"
#include "framework/TCheckBox.h"
#include "framework/TClassRegistry.h"
#include "framework/TComboBox.h"
#include "framework/TEdit.h"
#include "framework/TGauge.h"
#include "framework/TGroupBox.h"
#include "framework/TLabel.h"
#include "framework/TPanel.h"
#include "framework/TStatusBar.h"
#include "framework/TTrackBar.h"
#include "framework/TWebBrowser.h"

void RegisterPlainControls() {
    for (const TClassInfo* info :
         {TButton::StaticClassInfo(), TPanel::StaticClassInfo(), TLabel::StaticClassInfo(),
          TGroupBox::StaticClassInfo(), TEdit::StaticClassInfo(), TComboBox::StaticClassInfo(),
          TCheckBox::StaticClassInfo(), TTrackBar::StaticClassInfo(), TStatusBar::StaticClassInfo(),
          TGauge::StaticClassInfo(), TWebBrowser::StaticClassInfo()})
        RegisterClass(info);
}
