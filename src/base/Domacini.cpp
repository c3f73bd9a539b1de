#include "base/Domacini.h"

#include "platform/Platforma.h"

namespace velkor {

Domaćini Domaćini::IzOkoline(Platforma& platforma) {
    auto izaberi = [&](const char* varijabla, const char* zadano) {
        const QString izOkoline = platforma.VarijablaOkoline(QString::fromLatin1(varijabla));
        return izOkoline.isEmpty() ? QString::fromUtf8(zadano) : izOkoline;
    };
    return {izaberi("VELKOR_PRIMARNI_HOST", VELKOR_PRIMARNI_HOST_ZADANO),
            izaberi("VELKOR_SEKUNDARNI_HOST", VELKOR_SEKUNDARNI_HOST_ZADANO)};
}

QString NatpisOpcije(int indeks, const Domaćini& domaćini) {
    const QString put = QStringLiteral("/download/Verzija22");
    switch (indeks) {
    case 2:
        return QStringLiteral("Internet (https://") + domaćini.primarni + put +
               QStringLiteral(") - preferirani (najbrži) način sa interneta");
    case 1:
        return QStringLiteral("Sa mrežne lokacije");
    default:
        return QStringLiteral("Internet (https://") + domaćini.sekundarni + put +
               QStringLiteral(")");
    }
}

} // namespace velkor
