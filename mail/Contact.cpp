#include "mail/Contact.h"

QString CContact::Name() const {
    if (!displayName.isEmpty())
        return displayName;
    return firstName + " " + secondName;
}

QStringList CContact::Addresses() const {
    QStringList list;
    for (const QString& e : email)
        if (!e.isEmpty())
            list << e;
    return list;
}
