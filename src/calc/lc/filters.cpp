#include "calc/lc/filters.h"

#include "common/fault.h"

namespace ondalab::filters {

Coefficients coefficients(Pass pass, Cell cell) {
    if (pass == Pass::Low) return cell == Cell::Pi ? Coefficients{0.318, 159000} : Coefficients{0.159, 318000};
    return cell == Cell::Pi ? Coefficients{0.159, 79600} : Coefficients{0.0796, 159000};
}

Values design(Pass pass, Cell cell, double megahertz, double ohms) {
    const Coefficients k = coefficients(pass, cell);
    return {.microhenry = checkedDiv(finite(k.a * ohms), megahertz),
            .picofarad = checkedDiv(k.b, finite(ohms * megahertz))};
}

}  // namespace ondalab::filters
