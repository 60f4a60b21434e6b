#include "print_style.h"

#include "fonts.h"

namespace piyota::teacher {

QFont printFont()
{
    return tableFont(kTextPoints);
}

} // namespace piyota::teacher
