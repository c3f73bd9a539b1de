#include "LazniProzor.h"

namespace velkor::test {

void LažniProzor::PrikažiProgres(qint32 minimum, qint32 maksimum) {
    progresMin = minimum;
    progresMax = maksimum;
    progres = 0;
    progresVidljiv = true;
}

Odgovor LažniProzor::Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi,
                            const QString& naslovPoruke) {
    poruke.append({tekst, ikona, gumbi, naslovPoruke});
    if (!odgovori.isEmpty())
        return odgovori.dequeue();
    return gumbi == Gumbi::DaNe ? Odgovor::Da : Odgovor::URedu;
}

QString LažniProzor::IzaberiDatoteku(const DijalogDatoteke& dijalog) {
    dijalozi.append(dijalog);
    return izabraneDatoteke.isEmpty() ? QString() : izabraneDatoteke.dequeue();
}

int LažniProzor::RedStavke(const QString& ime) const {
    for (int i = 0; i < plan.size(); ++i)
        if (plan[i].value(0) == ime)
            return i + 2;
    return -1;
}

} // namespace velkor::test
