#include "Okruzje.h"

#include "base/KodnaStranica.h"
#include "base/Slucajevi.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QtEndian>

namespace velkor::test {

namespace {

// Whole percentages, rising: shown as the last one.
QStringList SažmiPostotke(const QStringList& stanja) {
    QStringList r;
    int zadnji = -1;
    for (const QString& s : stanja) {
        const bool postotak = QRegularExpression("^\\d{1,3}%$").match(s).hasMatch();
        if (postotak && s.chopped(1).toInt() <= zadnji)
            return r << "ne raste: " + s;
        if (postotak && zadnji >= 0)
            r.removeLast();
        zadnji = postotak ? s.chopped(1).toInt() : -1;
        r << (postotak ? "… " + s : s);
    }
    return r;
}

QStringList SKljučem(const QString& ključ, const QStringList& redovi) {
    QStringList r;
    for (const QString& red : redovi)
        r << ključ + ": " + red;
    return r;
}

} // namespace

std::unique_ptr<QSettings> LažnaPlatforma::OtvoriPostavke() {
    return std::make_unique<QSettings>(putanjaPostavki, QSettings::IniFormat);
}

RučkaProzora LažnaPlatforma::NađiProzor(const QString& naslov) {
    const QStringList naslovi = prozori.keys();
    for (qsizetype i = 0; i < naslovi.size(); ++i)
        if (naslovi[i].compare(naslov, Qt::CaseInsensitive) == 0)
            return RučkaProzora(i + 1);
    return 0;
}

Okruženje::Okruženje(bool stvoriUpdate) {
    QDir(dir.path()).mkpath(QStringLiteral("Velkor"));
    if (stvoriUpdate)
        QDir(dir.path()).mkpath(QStringLiteral("Velkor/Update"));
    platforma.putanjaPostavki = putanjaPostavki();
    spremište = std::make_unique<QSettingsSpremište>(platforma.OtvoriPostavke());
}

QString Okruženje::baza() const {
    return QDir::toNativeSeparators(dir.path() + QStringLiteral("/Velkor/"));
}

QString Okruženje::update() const {
    return baza() + QStringLiteral("Update") + QDir::separator();
}

QString Okruženje::putanjaPostavki() const {
    return dir.path() + QStringLiteral("/config/Velkor/Velkor.ini");
}

QString Okruženje::putanjaLoga() const {
    return update() + QStringLiteral("Update.log");
}

void Okruženje::zapiši(const QString& put, const QString& sadržaj) const {
    zapišiBajtove(put, UAnsi(sadržaj));
}

void Okruženje::zapišiBajtove(const QString& put, const QByteArray& bajtovi) const {
    QFile datoteka(put);
    if (!datoteka.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        datoteka.write(bajtovi) != bajtovi.size())
        qFatal("cannot write %s", qPrintable(put));
}

QByteArray Okruženje::pročitaj(const QString& put) const {
    QFile datoteka(put);
    if (!datoteka.open(QIODevice::ReadOnly))
        return {};
    return datoteka.readAll();
}

void Okruženje::spremiPostavku(const QString& odjeljak, const QString& ključ,
                               const QString& vrijednost) {
    spremište->Zapiši(odjeljak, ključ, vrijednost);
}

QStringList Okruženje::porukeLoga() const {
    const QByteArray bajtovi = pročitaj(putanjaLoga());
    QStringList poruke;
    qsizetype i = 0;
    while (i + 4 <= bajtovi.size()) {
        const quint16 oznaka = qFromLittleEndian<quint16>(bajtovi.constData() + i);
        const quint16 dužina = qFromLittleEndian<quint16>(bajtovi.constData() + i + 2);
        if (oznaka != 8 || i + 4 + dužina > bajtovi.size()) {
            poruke << QStringLiteral("<neispravan zapis>");
            break;
        }
        QString tekst = IzAnsija(bajtovi.mid(i + 4, dužina));
        if (tekst.endsWith(QStringLiteral("\r\n")))
            tekst.chop(2);
        // Date and time are the first two blank-separated fields.
        poruke << tekst.section(QLatin1Char(' '), 2);
        i += 4 + dužina;
    }
    return poruke;
}

Okolina Okruženje::okolina() {
    const QString program = QDir::toNativeSeparators(dir.path() + QStringLiteral("/Velkor"));
    return {program, prozor, datoteke, platforma, *spremište, sat, regionalno};
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

QStringList Okruženje::zapis(QStringList z, const Stanje* stanje) const {
    const LažniProzor& w = prozor;
    QStringList veze;
    for (const PrimljeniZahtjev& r :
         poslužitelj_ ? poslužitelj_->zahtjevi : QList<PrimljeniZahtjev>()) {
        if (!veze.contains(r.odakle))
            veze << r.odakle;
        z << QString("zahtjev: %1 %2 %3 veza %4 od %5")
                 .arg(r.šifrirano ? "https" : "http", QString::fromLatin1(r.domaćin),
                      QString::fromLatin1(r.putanja))
                 .arg(veze.indexOf(r.odakle) + 1)
                 .arg(r.odakle.section(u':', 0, 0));
    }
    z << SKljučem("dnevnik", porukeLoga()) << SKljučem("poruka", Poruke(w))
      << SKljučem("status1", w.povijestStatusa1)
      << SKljučem("status2", SažmiPostotke(w.povijestStatusa2));
    QString stanja;
    for (const StanjeReda& s : w.stanjaRedova)
        stanja += QString::asprintf(" %d %d %d", s.red, s.slika, s.postotak);
    if (!stanja.isEmpty())
        z << "stanja (red slika postotak):" + stanja;
    if (w.progresVidljiv || w.progresMin || w.progresMax != 100 || w.progres)
        z << QString::asprintf("progres (min max vrijednost vidljiv): %d %d %d %d", w.progresMin,
                               w.progresMax, w.progres, w.progresVidljiv);
    z << SKljučem("txtPor", QStringList(w.txtPor).filter(QRegularExpression(".")))
      << SKljučem("txtPorGr", QStringList(w.txtPorGr).filter(QRegularExpression(".")));
    if (w.kartica >= 0)
        z << "kartica: " + QString::number(w.kartica);
    QString čekanja;
    for (int sekunde : sat.čekanja)
        čekanja += u' ' + QString::number(sekunde);
    if (!čekanja.isEmpty())
        z << "čekanja:" + čekanja;
    z << SKljučem("naredba", platforma.naredbe) << SKljučem("prozor", platforma.radnjeSProzorima)
      << SKljučem("registar", platforma.registar);
    if (w.završetaka)
        z << "završetaka programa: " + QString::number(w.završetaka);
    if (stanje)
        z << "greška: " + stanje->ZadnjaGreška;
    z << stablo();
    for (QString& l : z) {
        l.replace(baza(), "{B}").replace(objava.path(), "{M}").replace(dir.path(), "{T}");
        if (poslužitelj_)
            l.replace(poslužitelj_->Domaćin(), "{H}")
                .replace(poslužitelj_->DomaćinPoImenu(), "{S}")
                .replace(QString::number(poslužitelj_->serverPort()), "{P}");
        l.replace("\r\n", "⏎");
    }
    return z;
}

// Every file and directory under the base but the log, sorted.
QStringList Okruženje::stablo() const {
    QStringList z;
    QDirIterator i(baza(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                   QDirIterator::Subdirectories);
    while (i.hasNext()) {
        const QFileInfo f(i.next());
        if (f.fileName() != "Update.log")
            z << "datoteka: " + f.filePath().mid(baza().size()) +
                     (f.isDir()
                          ? "/"
                          : ' ' + QString::number(f.size()) + ' ' + opis(pročitaj(f.filePath())));
    }
    z.sort();
    return z;
}

// What a file holds: x's, a published file's bytes, a short text, or other bytes.
QString Okruženje::opis(const QByteArray& b) const {
    if (b == QByteArray(b.size(), 'x'))
        return "iks";
    const QDir objavljeno(objava.path());
    for (const QString& ime : objavljeno.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (ime != "Update.log" && pročitaj(objavljeno.filePath(ime)) == b)
            return "kao " + ime;
    const bool tekst = std::none_of(
        b.begin(), b.end(), [](char c) { return uchar(c) < 0x20 && c != '\r' && c != '\n'; });
    return tekst && b.size() <= 300 ? '"' + IzAnsija(b) + '"' : QString("drugo");
}

void DodajZlatne(const QString& direktorija) {
    QTest::addColumn<QString>("put");
    for (const QString& ime : QDir(direktorija).entryList({"*.txt"}))
        QTest::newRow(qPrintable(ime.chopped(4))) << direktorija + u'/' + ime;
}

QString SlučajZlatnog(const QString& put) {
    QFile f(put);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readLine()).trimmed() : QString();
}

void UsporediSaZlatnim(const QString& put, const QStringList& zapis) {
    const QString novi = SlučajZlatnog(put) + u'\n' + zapis.join(u'\n');
    QFile f(put);
    if (qEnvironmentVariableIsSet("VELKOR_PISI_ZLATNE") && f.open(QIODevice::WriteOnly))
        f.write(novi.toUtf8());
    f.close();
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(novi, QString::fromUtf8(f.readAll()));
}

Aplikacija& Okruženje::aplikacija() {
    if (!aplikacija_)
        aplikacija_ = std::make_unique<Aplikacija>(okolina());
    return *aplikacija_;
}

} // namespace velkor::test
