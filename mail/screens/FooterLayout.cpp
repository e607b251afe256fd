#include "mail/screens/FooterLayout.h"

#include "skin/binding/SkinBinding.h"
#include "ui/toolkit/Dialog.h"
#include "ui/toolkit/ScreenFrame.h"

#include <QWidget>

void PlaceFooterButtons(CDialog& dialog, int leftId, int rightId) {
    const int footerTop = FrameFooterTop(dialog.height());
    const int margin = ScalePixels(4);
    for (int id : {leftId, rightId}) {
        QWidget* button = dialog.Control(id);
        if (!button)
            continue;
        const QSize size = button->sizeHint();
        const int y =
            footerTop + (dialog.height() - footerTop - size.height() + ScalePixels(1)) / 2;
        const int x = id == leftId ? margin : dialog.width() - margin - size.width();
        dialog.PlaceControlPixels(id, QRect(x, y, size.width(), size.height()));
    }
}
