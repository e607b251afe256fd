// libFuzzer target for the vCard reader: any bytes the contact store could hand it (at most a
// card file's limit) must parse without a crash, a sanitizer report or a hang, and line ends
// must not matter: a text with CR LF gives the same cards as with LF.

#include "mail/ContactStore.h"
#include "mail/VCardParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool SameCards(const std::vector<CContact>& a, const std::vector<CContact>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Name() != b[i].Name() || a[i].email != b[i].email ||
            a[i].organisation != b[i].organisation || a[i].note != b[i].note)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > std::size_t(CContactStore::kMaxCardFileBytes))
        return 0;
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const CContact& card : CVCardParser::Parse(text))
        if (card.Addresses().size() > 3)
            std::abort();
    // The same text with LF and with CR LF line ends.
    QByteArray lf = text;
    lf.replace("\r", "");
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    if (!SameCards(CVCardParser::Parse(lf), CVCardParser::Parse(crlf)))
        std::abort();
    return 0;
}
