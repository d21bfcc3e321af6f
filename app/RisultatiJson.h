#pragma once
// Every result of a solved beam as one JSON object, for the programs that read the command
// line's output. Arrays keep the beam's 1-based numbering from element 0 on; every value is
// the stored single-precision number, widened to double without rounding.

#include "engine/Velcora.h"

#include <QJsonObject>

namespace vc {

QJsonObject RisultatiJson(const Velcora& trave);

} // namespace vc
