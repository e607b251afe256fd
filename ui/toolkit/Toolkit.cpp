#include "ui/toolkit/Toolkit.h"

#include "platform/screen/MessageBox.h"
#include "ui/binding/SkinBinding.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ScreenFrame.h"

void InstallToolkitHooks(const QString& title) {
    SetSkinBindingResetHook([] {
        ResetFrameColours();
        ResetFonts();
    });
    SetSkinMessageBoxHook([title](const QString& text) { PlatformMessageBox(text, title); });
}
