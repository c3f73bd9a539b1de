#pragma once
// One connection to the local server: plain or TLS, decided by its first byte,
// and the requests on it answered one after another.
#include "LokalniPosluzitelj.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QSslSocket>

namespace velkor::test {

class VezaPoslužitelja : public QObject {
public:
    VezaPoslužitelja(LokalniPoslužitelj& poslužitelj, qintptr deskriptor);

private:
    void čitaj();
    void obradiZahtjev(const QByteArray& zaglavlje);
    void odgovori(const QByteArray& statusnaLinija, qint64 dužina, const QByteArray& tijelo);
    void pošaljiDatoteku(const QString& put, qint64 koliko, bool zatvoriPoslije);
    void šalji();
    bool odgovoriPosebno(const QString& ime, const QString& put, bool postoji);

    LokalniPoslužitelj& poslužitelj;
    QSslSocket* utičnica;
    bool vrstaPoznata = false;
    bool šifrirano = false;
    bool zauzeto = false; // a response is still being sent
    QByteArray ulaz;
    QFile datoteka;
    qint64 preostalo = 0;
    bool zatvoriPoslije = false;
    bool uDijelovima = false;
    int brojDijelova = 0;
};

} // namespace velkor::test
