#pragma once

// The desktop's secret store (libsecret over D-Bus). Every libsecret failure becomes a false
// result with a reason here and nowhere else.

#include <QByteArray>
#include <QString>

class CSecretStore {
public:
    // Whether a session bus is there to ask; without one the lookup is not tried, so a
    // machine without a desktop session never waits for it.
    static bool IsAvailable();
    // The secret stored with the attributes service=`service`, account=`account`.
    static bool Lookup(const QString& service, const QString& account, QByteArray* secret,
                       QString* error);
};
