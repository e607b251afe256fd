#include "ui/toolkit/SkinButton.h"

#include "app/AppSettings.h"
#include "resources/ResourceIds.h"
#include "text/Strings.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ScreenFrame.h"

namespace {

struct CStandardKind {
    EButtonKind kind;
    std::uint32_t icon;
    std::uint16_t caption;
};

constexpr CStandardKind kKinds[] = {
    {kButtonNext, ids::IDB_ICON_NEXT, ids::IDS_NEXT},
    {kButtonBack, ids::IDB_ICON_BACK, ids::IDS_BACK},
    {kButtonOk, ids::IDB_ICON_OK, ids::IDS_OK},
    {kButtonYes, ids::IDB_ICON_OK, ids::IDS_YES},
    {kButtonNo, ids::IDB_ICON_NO, ids::IDS_NO},
    {kButtonYesToAll, ids::IDB_ICON_OK, ids::IDS_YES_ALL},
    {kButtonNoToAll, ids::IDB_ICON_NO, ids::IDS_NO_ALL},
    {kButtonCancel, ids::IDB_ICON_CANCEL, ids::IDS_CANCEL},
    {kButtonClose, ids::IDB_ICON_CLOSE, ids::IDS_CLOSE},
};

} // namespace

int SetupStandardButton(CSkinButton* button, EButtonKind kind, bool noCaption) {
    const CStandardKind* standard = nullptr;
    for (const CStandardKind& k : kKinds)
        if (k.kind == kind)
            standard = &k;
    if (!button || (!standard && kind != kButtonPlain))
        return 0;

    button->SetFlat(AppSettings().flat != 0, false);
    button->SetAlign(standard ? CSkinButton::kIconRight : CSkinButton::kIconLeft, false);
    if (FrameColours().style == 1)
        button->SetFaceBackground(FrameColours().footer);
    if (standard) {
        button->SetSkinIcons(standard->icon, standard->icon, standard->icon);
        if (!noCaption)
            button->setText(LoadFormatted(standard->caption));
    }
    ApplyFont(GetFontCode(kFontButton), button);
    // The faces come last: they turn flat off, so a standard button never hovers.
    return button->SetFaces(ids::IDB_BUTTON_HOVER, ids::IDB_BUTTON_NORMAL, ids::IDB_BUTTON_DISABLED,
                            ids::IDB_BUTTON_PRESSED, false, false);
}
