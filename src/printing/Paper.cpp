#include "printing/Paper.h"

#include <cstdint>
#include <langinfo.h>

namespace
{

// _NL_PAPER_WIDTH and _NL_PAPER_HEIGHT answer a number, which glibc hands back in the place of
// the string pointer.
unsigned localeNumber(nl_item item)
{
    return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(nl_langinfo(item)));
}

} // namespace

Paper paperFromLocaleMillimetres(unsigned width, unsigned height)
{
    if (width == 216 && height == 279) {
        return Paper::letter();
    }
    if (width == 0 || height == 0) {
        return Paper::a4();
    }
    return {static_cast<double>(width), static_cast<double>(height)};
}

Paper localePaper()
{
    return paperFromLocaleMillimetres(localeNumber(_NL_PAPER_WIDTH),
                                      localeNumber(_NL_PAPER_HEIGHT));
}

std::optional<Paper> paperNamed(const QString &name)
{
    if (name == QLatin1String("a4")) {
        return Paper::a4();
    }
    if (name == QLatin1String("letter")) {
        return Paper::letter();
    }
    return std::nullopt;
}
