#include "Okruzje.h"

#include "catalogue/PotvrdaIzdanja.h"

namespace velkor::test {

Okolina Okruženje::okolina() {
    return {program(), prozor, datoteke, platforma, *spremište, sat, regionalno};
}

LokalniPoslužitelj& Okruženje::poslužitelj() {
    if (poslužitelj_)
        return *poslužitelj_;
    poslužitelj_ = std::make_unique<LokalniPoslužitelj>(objava.path());
    if (!poslužitelj_->Pokreni())
        qFatal("the local server does not listen");
    platforma.okolina.insert({{"VELKOR_PRIMARNI_HOST", poslužitelj_->Domaćin()},
                              {"VELKOR_SEKUNDARNI_HOST", poslužitelj_->DomaćinPoImenu()},
                              {"VELKOR_CA_CERTS", LokalniPoslužitelj::PutanjaCa()}});
    return *poslužitelj_;
}

Aplikacija& Okruženje::aplikacija() {
    if (!aplikacija_)
        aplikacija_ = std::make_unique<Aplikacija>(okolina());
    return *aplikacija_;
}

void Okruženje::postaviIzdanje(const QString& izvor, const QStringList& stavke,
                               const QStringList& nove) const {
    const QHash<QString, QString> mjesta{{"chm", "Help/"}, {"enc", "Skrite za izmjenu baze/"}};
    QString stare, objavi;
    for (const QString& ime : stavke) {
        const QString dir = baza() + mjesta.value(ime.right(3));
        QDir().mkpath(dir);
        if (!nove.contains(ime)) {
            zapiši(dir + ime, "staro " + ime);
            stare += ime + ";22;1;0;9;9;\r\n";
        }
        zapiši(izvor + u'/' + ime, "novo " + ime);
        objavi += ime + ";22;2;0\n";
    }
    zapiši(baza() + "Verzije.txt", stare);
    zapiši(izvor + "/Objava.txt", objavi);
}

QString Okruženje::ključ(const QString& ime) const {
    const QString k = dir.filePath(ime);
    if (!QFile::exists(k + ".key") &&
        !izvrši(dir.path(), "minisign", {"-G", "-W", "-p", k + ".pub", "-s", k + ".key"}))
        qFatal("minisign made no key");
    // The key line alone: the comment line's length varies with the key's id.
    const QByteArray javni = pročitaj(k + ".pub").split('\n')[1];
    zapišiBajtove(baza() + ImeKljučevaPrograma, javni);
    zapišiBajtove(objava.filePath(ImeKljučevaPrograma), javni);
    return k + ".key";
}

} // namespace velkor::test
