#pragma once

// One contact of the contact store: its name parts, display name and up to three e-mail
// addresses, as read from one vCard.

#include <QString>
#include <QStringList>

#include <array>

struct CContact {
    QString firstName;   // given name of N
    QString secondName;  // family name of N
    QString displayName; // FN
    std::array<QString, 3> email;
    QString organisation; // kept, not shown
    QString note;         // kept, not shown

    // The display name when there is one, else first name, one space, second name.
    QString Name() const;
    // The non-empty addresses among the three, in order.
    QStringList Addresses() const;
    bool HasAddress() const { return !Addresses().isEmpty(); }
};
