#include "printing/CupsLibrary.h"

#include "printing/DeliveryText.h"

#include <QStringList>
#include <dlfcn.h>

const CupsCalls &cups()
{
    static const CupsCalls calls = [] {
        CupsCalls loaded;
        static const char kLibrary[] = "libcups.so.2";
        void *library = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            loaded.problem = DeliveryText::libraryMissing(QString::fromLocal8Bit(dlerror()));
            return loaded;
        }
        QStringList missing;
#define SUMTOPIA_CUPS_RESOLVE(name)                                                                \
    loaded.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                      \
    if (loaded.name == nullptr) {                                                                  \
        missing.append(QStringLiteral(#name));                                                     \
    }
        SUMTOPIA_CUPS_CALLS(SUMTOPIA_CUPS_RESOLVE)
#undef SUMTOPIA_CUPS_RESOLVE
        if (!missing.isEmpty()) {
            loaded.problem = DeliveryText::libraryIncomplete(QString::fromLatin1(kLibrary),
                                                             missing.join(QStringLiteral(", ")));
        }
        return loaded;
    }();
    return calls;
}
