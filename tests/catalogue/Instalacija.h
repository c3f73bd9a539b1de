#pragma once
// An installation with both versions lists, for the plan's tests.
#include "support/Okruzje.h"

#include "catalogue/NapraviRsStoTrebaAzurirati.h"
#include "catalogue/ZapisVerzije.h"

#include <QDir>

namespace velkor::test {

inline const QString PrefiksPlana = QStringLiteral("NapraviRsŠtoTrebaAžurirati - ");

struct Instalacija {
    Okruženje o;
    Stanje& s = o.aplikacija().stanje();
    PlanAžuriranja plan{s, o.prozor, o.datoteke, o.aplikacija().dnevnik()};

    Instalacija() {
        s.PutanjaPrograma = o.baza();
        s.PutanjaUpdate = o.update();
        s.PutanjaSkripti = o.baza() + QStringLiteral("Skripte") + QDir::separator();
        s.PutanjaHelp = o.baza() + QStringLiteral("Help") + QDir::separator();
        QDir().mkpath(s.PutanjaSkripti);
        QDir().mkpath(s.PutanjaHelp);
    }

    QString novaLista() const { return s.PutanjaUpdate + QStringLiteral("Verzije.txt"); }
    QString staraLista() const { return s.PutanjaPrograma + QStringLiteral("Verzije.txt"); }
    void nova(const QStringList& zapisi) const { o.zapiši(novaLista(), tekst(zapisi)); }
    void stara(const QStringList& zapisi) const { o.zapiši(staraLista(), tekst(zapisi)); }
    // The item's file where the installation keeps it.
    void instaliraj(const QString& ime) const { o.zapiši(DirektorijaStavke(s, ime) + ime, {}); }

    // The names of the planned rows, in row order.
    QStringList planirani() const {
        QStringList imena;
        for (int red = 0; red < Matrica::Redaka; ++red) {
            if (ZapisVerzije(s.NoveVerzije, red).Planiran())
                imena << s.NoveVerzije.tekst(red, Stupac::Ime);
        }
        return imena;
    }

    // The per-item lines between the comparison's start and its end, without the prefix.
    QStringList stavkeLoga() const {
        QStringList log = o.porukeLoga();
        const qsizetype početak = log.indexOf(PrefiksPlana + "upoređenje što treba ažurirati ");
        const qsizetype kraj = log.indexOf(PrefiksPlana + "kraj");
        if (početak < 0 || kraj < početak)
            return {QStringLiteral("<nema usporedbe>")};
        QStringList stavke = log.mid(početak + 1, kraj - početak - 1);
        for (QString& red : stavke)
            if (red.startsWith(PrefiksPlana))
                red.remove(0, PrefiksPlana.size());
        return stavke;
    }

private:
    static QString tekst(const QStringList& zapisi) {
        QString t;
        for (const QString& z : zapisi)
            t += z + QStringLiteral("\r\n");
        return t;
    }
};

} // namespace velkor::test
