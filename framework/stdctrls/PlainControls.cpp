#include "stdctrls/PlainControls.h"

#include "component/TClassRegistry.h"
#include "stdctrls/TButton.h"
#include "stdctrls/TCheckBox.h"
#include "stdctrls/TComboBox.h"
#include "stdctrls/TEdit.h"
#include "stdctrls/TGauge.h"
#include "stdctrls/TGroupBox.h"
#include "stdctrls/TLabel.h"
#include "stdctrls/TPanel.h"
#include "stdctrls/TPlainWebBrowser.h"
#include "stdctrls/TStatusBar.h"
#include "stdctrls/TTrackBar.h"

void RegisterPlainControls() {
    for (const TClassInfo* info :
         {TButton::StaticClassInfo(), TPanel::StaticClassInfo(), TLabel::StaticClassInfo(),
          TGroupBox::StaticClassInfo(), TEdit::StaticClassInfo(), TComboBox::StaticClassInfo(),
          TCheckBox::StaticClassInfo(), TTrackBar::StaticClassInfo(), TStatusBar::StaticClassInfo(),
          TGauge::StaticClassInfo(), TPlainWebBrowser::StaticClassInfo()})
        RegisterClass(info);
}
