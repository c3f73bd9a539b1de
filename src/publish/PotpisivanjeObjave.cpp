#include "publish/PotpisivanjeObjave.h"

#include "base/ZajednickiTekstovi.h"
#include "catalogue/ProvjeraIzdanja.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>

namespace velkor {

namespace {

QString put(const QString& direktorija, const QString& ime) {
    return QDir::toNativeSeparators(QDir(direktorija).filePath(ime));
}

QByteArray pročitaj(const QString& put) {
    QFile datoteka(put);
    return datoteka.open(QIODevice::ReadOnly) ? datoteka.read(Sažeci::NajvećaVeličina + 1)
                                              : QByteArray();
}

bool zapiši(const QString& put, const QByteArray& sadržaj) {
    QSaveFile datoteka(put);
    return datoteka.open(QIODevice::WriteOnly) && datoteka.write(sadržaj) == sadržaj.size() &&
           datoteka.commit();
}

} // namespace

PotpisivanjeObjave::PotpisivanjeObjave(PostavkePotpisa postavke, const Konzola& konzola)
    : postavke(std::move(postavke)), konzola(konzola) {
    if (this->postavke.javniKljuč.isEmpty()) {
        QString javni = this->postavke.tajniKljuč;
        if (javni.endsWith(QStringLiteral(".key")))
            javni.chop(4);
        this->postavke.javniKljuč = javni + QStringLiteral(".pub");
    }
}

qint64 PotpisivanjeObjave::ObjavljenoIzdanje(const QString& odredište) {
    for (const QByteArray& redak : pročitaj(put(odredište, ImePotpisa)).split('\n'))
        if (redak.startsWith("trusted comment: "))
            if (const auto izdanje = PročitajKomentar(QString::fromUtf8(redak.mid(17)).trimmed()))
                return izdanje->broj;
    return 0;
}

bool PotpisivanjeObjave::Potpiši(const QString& odredište, const QByteArray& verzije,
                                 Sažeci sažeci) {
    if (!IzdanjeDopušteno(odredište))
        return false;
    const qint64 izdanje = postavke.izdanje.value_or(ObjavljenoIzdanje(odredište) + 1);
    sažeci.Dodaj(ImeListeVerzija, Sažeci::SažetakOd(verzije));
    for (const QString& ime : {ImeListeVerzijaU, ImeTeamViewera})
        if (const auto sažetak = Sažeci::SažetakDatoteke(put(odredište, ime)))
            sažeci.Dodaj(ime, *sažetak);
    return potpiši(odredište, verzije, sažeci.Zapis(), izdanje);
}

bool PotpisivanjeObjave::IzdanjeDopušteno(const QString& odredište) {
    const qint64 objavljeno = ObjavljenoIzdanje(odredište);
    if (postavke.izdanje.value_or(objavljeno) >= objavljeno)
        return true;
    return odbij(QStringLiteral("Izdanje ") + QString::number(*postavke.izdanje) +
                 QStringLiteral(" niže je od objavljenog (") + QString::number(objavljeno) +
                 QStringLiteral(")."));
}

bool PotpisivanjeObjave::Obnovi(const QString& odredište) {
    const qint64 izdanje = ObjavljenoIzdanje(odredište);
    if (izdanje == 0)
        return odbij(QStringLiteral("U ") + QDir::toNativeSeparators(odredište) +
                     QStringLiteral(" nema potpisane objave za obnoviti."));
    return potpiši(odredište, pročitaj(put(odredište, ImeListeVerzija)),
                   pročitaj(put(odredište, ImeSažetaka)), izdanje);
}

bool PotpisivanjeObjave::potpiši(const QString& odredište, const QByteArray& verzije,
                                 const QByteArray& sažeci, qint64 izdanje) {
    const QDateTime sada = QDateTime::currentDateTimeUtc();
    const Izdanje podaci{ProizvodIzdanja, izdanje, sada, sada.addDays(postavke.dana)};
    if (!zapiši(put(odredište, ImeSažetaka), sažeci))
        return odbij(QStringLiteral("Nije moguće zapisati ") + put(odredište, ImeSažetaka) + '.');
    // The password prompt, if the key has one, goes to the publisher's terminal.
    QProcess minisign;
    minisign.setProcessChannelMode(QProcess::ForwardedChannels);
    minisign.setInputChannelMode(QProcess::ForwardedInputChannel);
    minisign.start(QStringLiteral("minisign"),
                   {QStringLiteral("-S"), QStringLiteral("-s"), postavke.tajniKljuč,
                    QStringLiteral("-m"), put(odredište, ImeSažetaka), QStringLiteral("-x"),
                    put(odredište, ImePotpisa), QStringLiteral("-t"), KomentarIzdanja(podaci)});
    if (!minisign.waitForFinished(-1) || minisign.exitStatus() != QProcess::NormalExit ||
        minisign.exitCode() != 0)
        return odbij(QStringLiteral("Potpisivanje nije uspjelo (minisign: ") +
                     (minisign.error() == QProcess::FailedToStart
                          ? QStringLiteral("program nije pronađen")
                          : QStringLiteral("izlazni kod ") + QString::number(minisign.exitCode())) +
                     QStringLiteral(")."));
    QFile javni(postavke.javniKljuč);
    if (!javni.open(QIODevice::ReadOnly))
        return odbij(QStringLiteral("Nije moguće pročitati javni ključ ") + postavke.javniKljuč +
                     QStringLiteral(" za provjeru potpisa."));
    const PotvrđenoIzdanje provjera =
        ProvjeriIzdanje(verzije, sažeci, pročitaj(put(odredište, ImePotpisa)),
                        {PročitajJavneKljučeve(QString::fromUtf8(javni.readAll())), 0, sada});
    if (!provjera.Valja())
        return odbij(QStringLiteral("Objava ne prolazi provjeru: ") + provjera.greška);
    konzola.izlaz(OpisIzdanja(provjera.izdanje));
    return true;
}

bool PotpisivanjeObjave::odbij(const QString& poruka) {
    konzola.greške(poruka);
    return false;
}

bool ProvjeriObjavu(const QString& mjesto, const QList<JavniKljuč>& ključevi,
                    const Konzola& konzola) {
    const PotvrđenoIzdanje provjera = ProvjeriIzdanje(
        pročitaj(put(mjesto, ImeListeVerzija)), pročitaj(put(mjesto, ImeSažetaka)),
        pročitaj(put(mjesto, ImePotpisa)), {ključevi, 0, QDateTime::currentDateTimeUtc()});
    if (!provjera.Valja()) {
        konzola.greške(provjera.greška);
        return false;
    }
    bool sveValja = true;
    int provjereno = 0;
    for (const QString& ime : provjera.sažeci.Imena()) {
        // The unpacked files' lines are for the program; a location holds packages.
        if (!QFile::exists(put(mjesto, ime)))
            continue;
        ++provjereno;
        if (!provjera.sažeci.OdgovaraDatoteka(ime, put(mjesto, ime))) {
            konzola.greške(ime + QStringLiteral(" ne odgovara svom sažetku."));
            sveValja = false;
        }
    }
    konzola.izlaz(OpisIzdanja(provjera.izdanje) + QStringLiteral("; provjereno datoteka: ") +
                  QString::number(provjereno) + QLatin1Char('.'));
    return sveValja;
}

} // namespace velkor
