#pragma once
// The user's separators as the desktop's locale gives them, read once at start-up and handed
// to every window.

#include "support/Separatori.h"

class QLocale;

namespace vc {

// Decimal and grouping separators of the locale; a locale that omits grouping gives an empty
// grouping separator.
Separatori SeparatoriDaQLocale(const QLocale& locale);

} // namespace vc
