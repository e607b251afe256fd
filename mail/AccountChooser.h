#pragma once

#include <QStringList>

// Picks the account a message goes through when the store offers several.
class IAccountChooser {
public:
    virtual ~IAccountChooser() = default;
    // The index of the chosen name, or -1 when the user made no choice.
    virtual int ChooseAccount(const QStringList& accounts) = 0;
};
