#include "ui/TestiFinestra.h"

#include <QLabel>

namespace vc {

QLabel* Intestazione(const QString& testo, QWidget* genitore) {
    auto* l = new QLabel(testo, genitore);
    l->setTextFormat(Qt::RichText);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace vc
