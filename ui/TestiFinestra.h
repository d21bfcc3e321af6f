#pragma once
// The program's texts (UTF-8) as the windows show them, and the headings over their columns of
// fields.

#include <QString>
#include <string_view>

class QLabel;
class QWidget;

namespace vc {

inline QString Testo(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// A centred heading in rich text (the subscripts of ψ), owned by genitore.
QLabel* Intestazione(const QString& testo, QWidget* genitore);

} // namespace vc
