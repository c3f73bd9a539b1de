#include "base/Matrica.h"

namespace velkor {

Matrica::Matrica() {
    for (auto& red : ćelije) {
        for (int stupac = 0; stupac < Stupaca; ++stupac)
            red[stupac] = stupac < 4 ? Ćelija(QString()) : Ćelija(qint16(0));
    }
}

QString Matrica::tekst(int red, int stupac) const {
    const Ćelija& ćelija = ćelije[red][stupac];
    if (const QString* t = std::get_if<QString>(&ćelija))
        return *t;
    return QString::number(std::get<qint16>(ćelija));
}

} // namespace velkor
