#include "imaging/Enhance.h"

#include "imaging/VisionModule.h"

BitmapHandle EnhanceBitmap(const CBitmap& picture, ELook look) {
    const CVisionModule* vision = VisionModule();
    return vision ? vision->enhance(picture, look) : nullptr;
}

QImage EnhanceImage(const QImage& picture, ELook look) {
    const BitmapHandle source = CBitmap::FromImage(picture);
    if (!source)
        return {};
    const BitmapHandle result = EnhanceBitmap(*source, look);
    return result ? result->ToImage() : QImage();
}

QString LookName(ELook look) {
    switch (look) {
    case ELook::Grey: return QStringLiteral("grey");
    case ELook::BlackAndWhite: return QStringLiteral("bw");
    case ELook::ColourDocument: return QStringLiteral("colour");
    case ELook::Original: break;
    }
    return QStringLiteral("none");
}

std::optional<ELook> LookFromName(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == u"none" || n == u"original")
        return ELook::Original;
    if (n == u"grey" || n == u"gray")
        return ELook::Grey;
    if (n == u"bw" || n == u"black-and-white")
        return ELook::BlackAndWhite;
    if (n == u"colour" || n == u"color")
        return ELook::ColourDocument;
    return std::nullopt;
}
