#include "ui/SeparatoriQt.h"

#include <QLocale>

namespace vc {

Separatori SeparatoriDaQLocale(const QLocale& locale) {
    Separatori s;
    s.Decimale = locale.decimalPoint().toStdString();
    if (!locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)) s.Migliaia = locale.groupSeparator().toStdString();
    return s;
}

} // namespace vc
