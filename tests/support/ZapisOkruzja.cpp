// The record of what the environment showed, shared by the whole-run tests.
#include "Okruzje.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>

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

QStringList SKljučem(const QString& ključ, QStringList redovi) {
    return redovi.replaceInStrings(QRegularExpression("^"), ključ + ": ");
}

// One line, or none when there is nothing to tell.
QStringList Ako(bool ima, const QString& red) {
    return ima ? QStringList{red} : QStringList();
}

// What a file holds: x's, a published file's bytes, a short text, or other bytes.
QString Opis(const QByteArray& b, const QDir& objavljeno) {
    if (b == QByteArray(b.size(), 'x'))
        return "iks";
    for (const QString& ime : objavljeno.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (Okruženje::pročitaj(objavljeno.filePath(ime)) == b)
            return "kao " + ime;
    const QString t = IzAnsija(b);
    static const QRegularExpression kontrolni("[\\x00-\\x09\\x0b\\x0c\\x0e-\\x1f]");
    return t.size() <= 300 && !t.contains(kontrolni) ? '"' + t + '"' : QString("drugo");
}

} // namespace

QStringList Okruženje::zapis(QStringList z, const Stanje* stanje, bool statusi) const {
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
    const QStringList dnevnik = porukeLoga();
    z << SKljučem("dnevnik", dnevnik) << SKljučem("poruka", Poruke(w));
    if (statusi)
        z << SKljučem("status1", w.povijestStatusa1)
          << SKljučem("status2", SažmiPostotke(w.povijestStatusa2));
    // A command the log names as it ran is shown once, in the log.
    const QString log = dnevnik.join(u'\n') + u'\n';
    QStringList naredbe = platforma.naredbe;
    naredbe.removeIf([&](const QString& n) { return log.contains(n + u'\n'); });
    QStringList stanja, čekanja;
    for (const StanjeReda& s : w.stanjaRedova)
        stanja << QString::asprintf("%d %d %d", s.red, s.slika, s.postotak);
    for (int sekunde : sat.čekanja)
        čekanja << QString::number(sekunde);
    // The grid's and the bar's course are traces too; a bar left showing is not.
    z << Ako(statusi && !stanja.isEmpty(), "stanja (red slika postotak): " + stanja.join(u' '))
      << Ako(w.progresVidljiv || (statusi && (w.progresMin || w.progresMax != 100 || w.progres)),
             QString::asprintf("progres (min max vrijednost vidljiv): %d %d %d %d", w.progresMin,
                               w.progresMax, w.progres, w.progresVidljiv))
      << Ako(!w.txtPor.isEmpty(), "txtPor: " + w.txtPor)
      << Ako(!w.txtPorGr.isEmpty(), "txtPorGr: " + w.txtPorGr)
      << Ako(w.kartica >= 0, "kartica: " + QString::number(w.kartica))
      << Ako(!čekanja.isEmpty(), "čekanja: " + čekanja.join(u' ')) << SKljučem("naredba", naredbe)
      << SKljučem("prozor", platforma.radnjeSProzorima) << SKljučem("registar", platforma.registar)
      << Ako(w.završetaka, "završetaka programa: " + QString::number(w.završetaka));
    if (stanje)
        z << "greška: " + stanje->ZadnjaGreška;
    // The files the run added or changed, then those it removed.
    for (const QString& red : stablo())
        if (!početnoStablo_.values().contains(red))
            z << red;
    for (const QString& put : početnoStablo_.keys())
        if (!QFileInfo::exists(baza() + put))
            z << "uklonjeno: " + put;
    // The hosts as the program was told them; the port only after a host, as a
    // size may hold the same digits.
    const QString port = poslužitelj_ ? ':' + QString::number(poslužitelj_->serverPort()) : ":{P}";
    for (QString& l : z)
        l.replace(baza(), "{B}")
            .replace(objava.path(), "{M}")
            .replace(dir.path(), "{T}")
            .replace(platforma.okolina.value("VELKOR_PRIMARNI_HOST", "{H}"), "{H}")
            .replace(platforma.okolina.value("VELKOR_SEKUNDARNI_HOST", "{S}"), "{S}")
            .replace(port, ":{P}")
            .replace("\r\n", "⏎");
    return z;
}

// Every file and directory under the base but the log, by its path.
QMap<QString, QString> Okruženje::stablo() const {
    QMap<QString, QString> z;
    QDirIterator i(baza(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                   QDirIterator::Subdirectories);
    while (i.hasNext()) {
        const QFileInfo f(i.next());
        const QString put = f.filePath().mid(baza().size()) + (f.isDir() ? "/" : "");
        if (f.fileName() == "Update.log")
            continue;
        // A directory, listed before what it holds, shows by what it holds.
        z.remove(put.first(put.lastIndexOf(u'/', -2) + 1));
        z[put] = "datoteka: " + put +
                 (f.isDir() ? QString()
                            : ' ' + QString::number(f.size()) + ' ' +
                                  Opis(pročitaj(f.filePath()), QDir(objava.path())));
    }
    return z;
}

void DodajZlatne(const QString& direktorija) {
    QTest::addColumn<QString>("put");
    for (const QString& ime : QDir(direktorija).entryList({"*.txt"}))
        QTest::newRow(qPrintable(ime.chopped(4))) << direktorija + u'/' + ime;
}

QString SlučajZlatnog(const QString& put) {
    return QString::fromUtf8(Okruženje::pročitaj(put)).section(u'\n', 0, 0);
}

void UsporediSaZlatnim(const QString& put, QStringList zapis) {
    static const QRegularExpression datum("(vrijedi do|istekao je) \\d+\\.\\d+\\.\\d+\\.");
    zapis.replaceInStrings(datum, "\\1 {DATUM}");
    if (qEnvironmentVariableIsSet("VELKOR_PISI_ZLATNE"))
        Okruženje::zapišiBajtove(put,
                                 (QStringList{SlučajZlatnog(put)} + zapis).join(u'\n').toUtf8());
    // The record's line i is the file's line i + 2.
    QCOMPARE(zapis, QString::fromUtf8(Okruženje::pročitaj(put)).split(u'\n').mid(1));
}

} // namespace velkor::test
