// libFuzzer target for the registry file reader: any bytes a registry file could hold must
// parse without a crash, a sanitizer report or a hang, and whatever parses must survive the
// writer: the written text parses again to the same keys and values, and writing that gives
// the same text (what the program writes, it reads back byte for byte).

#include "platform/RegistryFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool SameTree(const platform::CRegTree& a, const platform::CRegTree& b) {
    // Keys without values and without children are dropped or kept alike by both.
    if (a.size() != b.size())
        return false;
    for (auto x = a.begin(), y = b.begin(); x != a.end(); ++x, ++y) {
        if (x->first != y->first || x->second.values.size() != y->second.values.size())
            return false;
        for (std::size_t i = 0; i < x->second.values.size(); ++i) {
            const platform::CRegValue& v = x->second.values[i];
            const platform::CRegValue& w = y->second.values[i];
            if (v.name != w.name || v.type != w.type || v.data != w.data)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A registry file of a few megabytes is already far beyond any real one.
    if (size > 4u << 20)
        return 0;
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const auto tree = platform::ParseRegistryText(text, &error);
    if (!tree) {
        if (error.isEmpty()) // a refusal always says why
            std::abort();
        return 0;
    }
    const QByteArray written = platform::SerializeRegistry(*tree);
    const auto again = platform::ParseRegistryText(written, &error);
    if (!again || !SameTree(*tree, *again))
        std::abort();
    if (platform::SerializeRegistry(*again) != written)
        std::abort();
    return 0;
}
