#pragma once

// Reads vCard 2.1, 3.0 and 4.0 text as address books, phones and web mail export it:
// folded lines (a leading space or tab, and the soft line breaks of quoted-printable),
// quoted-printable and base64 values in any charset, quoted and bare parameters, grouped
// properties, several cards per file and cards embedded in others. Only what a contact of the
// store holds is kept: FN, N, ORG, NOTE and up to three EMAIL addresses, preferred ones first.

#include "mail/Contact.h"

#include <QByteArray>

#include <vector>

class CVCardParser {
public:
    // The complete cards of `text` (BEGIN to END) in file order; what cannot be read is
    // skipped, never an error.
    static std::vector<CContact> Parse(const QByteArray& text);
};
