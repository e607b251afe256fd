#include "platform/WindowPlan.h"

#include <QStringList>

#include <algorithm>

namespace platform {

bool IsMobileShell(const QString& desktop, const QString& formFactor) {
    static const QStringList kShells = {
        QStringLiteral("phosh"),        QStringLiteral("plasma-mobile"),
        QStringLiteral("plasmamobile"), QStringLiteral("plasma mobile"),
        QStringLiteral("sxmo"),         QStringLiteral("lomiri"),
    };
    const QStringList names = desktop.split(u':', Qt::SkipEmptyParts);
    for (const QString& name : names)
        if (kShells.contains(name.trimmed().toLower()))
            return true;
    const QStringList forms = formFactor.toLower().split(u':', Qt::SkipEmptyParts);
    return forms.contains(QStringLiteral("phone")) || forms.contains(QStringLiteral("handset"));
}

WindowPlan PlanWindow(const ScreenFacts& facts) {
    if (facts.requested && facts.requested->isValid() && !facts.requested->isEmpty())
        return {EWindowMode::kFixed, *facts.requested};

    const bool known = facts.available.isValid() && !facts.available.isEmpty();
    const bool smallScreen =
        known && std::min(facts.available.width(), facts.available.height()) <= kPhoneShortSide;
    if (IsMobileShell(facts.desktop, facts.formFactor) || smallScreen)
        return {EWindowMode::kFullScreen, known ? facts.available : kDesktopWindowSize};

    QSize size = facts.turned ? kDesktopWindowSize.transposed() : kDesktopWindowSize;
    // A desktop smaller than the default (a low window manager area) still shows all of it.
    if (known)
        size = size.boundedTo(facts.available).expandedTo(kSmallestWindowSize);
    return {EWindowMode::kResizable, size};
}

} // namespace platform
