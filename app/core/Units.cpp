#include "core/Units.h"

namespace Units {

int LabelId(const QString &unit) {
    if (unit == QLatin1String("km"))
        return 1582;
    if (unit == QLatin1String("m"))
        return 1583;
    if (unit == QLatin1String("yd"))
        return 1580;
    if (unit == QLatin1String("nm"))
        return 1584;
    return 1581;
}

} // namespace Units
