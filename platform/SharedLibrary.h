#pragma once

// One system library opened with dlopen on first use, for the loaders of the libraries most
// runs never need (HEIF pictures, text recognition, mail): linked, they and what they bring
// cost every start. It is never closed: the library stays loaded for the rest of the process,
// so the functions taken from it stay valid, and a library with static state or worker
// threads is not unloaded under them.

#include <QString>

namespace platform {

class CSharedLibrary {
public:
    // Opens the file named by the environment variable `override` when it is set (a seam for
    // tests and for packagers whose library has another name), else `soname`.
    CSharedLibrary(const char* soname, const char* override);

    // Stores the function `name` in `entry`, typed from the library header's own prototype
    // (decltype(&function)); after a failure it does nothing more.
    template <typename F> void Resolve(const char* name, F* entry) {
        if (void* symbol = Symbol(name, true))
            *entry = reinterpret_cast<F>(symbol);
    }
    // The same for a function the library may lack; its absence is no error.
    template <typename F> void ResolveOptional(const char* name, F* entry) {
        if (void* symbol = Symbol(name, false))
            *entry = reinterpret_cast<F>(symbol);
    }

    // Empty while the library and every function asked for were found; otherwise the
    // loader's reason, naming the missing file or function.
    const QString& Error() const { return m_error; }
    void SetError(const QString& error) { m_error = error; }

private:
    void* Symbol(const char* name, bool required);

    void* m_handle = nullptr;
    QString m_error;
};

// What a loader keeps for the rest of the process: its table of functions and, when the
// library could not be used, why.
template <typename Table> struct CLoadedLibrary {
    Table table{};
    QString error; // empty when loaded

    // The table, or null with `why` (may be null) set to the reason.
    const Table* Get(QString* why = nullptr) const {
        if (error.isEmpty())
            return &table;
        if (why)
            *why = error;
        return nullptr;
    }
};

// One of the program's own private libraries (quillmark-vision.so, quillmark-window.so): the
// file named by the environment variable `override` when it is set (tests), else `fileName`
// as PrivateLibraryPath finds it. Its one exported C function `entry` is given the program's
// version and answers with its table of this build's functions, or null when the library was
// built for another version (its functions may take other types): that is refused.
const void* OpenProgramModule(const QString& fileName, const char* override, const char* entry,
                              const char* version, QString* error);

template <typename Table>
CLoadedLibrary<const Table*> LoadProgramModule(const QString& fileName, const char* override,
                                               const char* entry, const char* version) {
    CLoadedLibrary<const Table*> loaded;
    loaded.table = static_cast<const Table*>(
        OpenProgramModule(fileName, override, entry, version, &loaded.error));
    return loaded;
}

} // namespace platform

// Fills `table`'s member named after a function with that function of `library`: the tables
// name their members as the C API does (`decltype(&::curl_easy_init) curl_easy_init`), so the
// name looked up is always the one the member is typed from.
#define QM_RESOLVE(library, table, function) (library).Resolve(#function, &(table).function)
