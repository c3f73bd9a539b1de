#pragma once
// A temporary installation with every seam of the program set for a test:
// the base directory with `Update/`, a fixed clock and date format, a settings
// file of its own, a platform that answers from fields, and the recording window.
#include "LazniProzor.h"
#include "LokalniPosluzitelj.h"
#include "NeispravneDatoteke.h"
#include "app/Aplikacija.h"
#include "base/KodnaStranica.h"
#include "base/Sat.h"
#include "base/SpremistePostavki.h"
#include "platform/posix/PosixProcesi.h"

#include <QDir>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>

namespace velkor::test {

class FiksniSat : public Sat {
public:
    QDateTime Sada() const override { return sada; }
    // Returns at once, keeping the seconds asked for; then calls poČekanju.
    void Pričekaj(int sekunde) override {
        čekanja << sekunde;
        poČekanju();
    }
    QList<int> čekanja;
    std::function<void()> poČekanju = [] {};
    QDateTime sada{QDate(2026, 12, 5), QTime(1, 15, 0)};
};

// dd.MM.yyyy and HH:mm:ss, the decimal comma and the group dot.
class FiksnoRegionalno : public Regionalno {
public:
    QString DatumTekst(QDate datum) const override { return datum.toString(u"dd.MM.yyyy"); }
    QString VrijemeTekst(QTime vrijeme) const override { return vrijeme.toString(u"HH:mm:ss"); }
    QChar DecimalniZnak() const override { return decimalni; }
    QChar ZnakGrupe() const override { return QLatin1Char('.'); }
    QChar decimalni = QLatin1Char(',');
};

class LažnaPlatforma : public Platforma {
public:
    std::optional<QString> ImeRačunalaSustava() override { return imeRačunala; }
    std::optional<QString> ImeKorisnikaSustava() override { return imeKorisnika; }
    QString VarijablaOkoline(const QString& ime) override { return okolina.value(ime); }
    std::unique_ptr<QSettings> OtvoriPostavke() override {
        return std::make_unique<QSettings>(putanjaPostavki, QSettings::IniFormat);
    }
    // Real processes; every command line is kept as it was given.
    IshodProcesa PokreniSkrivenoIČekaj(const QString& linija) override {
        naredbe << linija;
        return posix::PokreniIČekaj(linija);
    }
    IshodProcesa PokreniSkriveno(const QString& linija) override {
        naredbe << linija;
        return posix::PokreniBezČekanja(linija);
    }
    // Windows of other programs from `prozori`; what is done to them is kept by title.
    RučkaProzora NađiProzor(const QString& naslov) override {
        const QStringList naslovi = prozori.keys();
        for (qsizetype i = 0; i < naslovi.size(); ++i)
            if (naslovi[i].compare(naslov, Qt::CaseInsensitive) == 0)
                return RučkaProzora(i + 1);
        return 0;
    }
    void PošaljiPoruku1042(RučkaProzora p) override { radnjeSProzorima << "1042 " + naslov(p); }
    bool JeMinimiziran(RučkaProzora p) override { return prozori.value(naslov(p)); }
    void PrikažiMinimizirano(RučkaProzora p) override {
        radnjeSProzorima << "minimizirano " + naslov(p);
    }
    QString naslov(RučkaProzora p) const { return prozori.keys().value(qsizetype(p) - 1); }
    // Kept as "path=value" in the order written; none when writing is made to fail.
    bool ZapišiDWORD(const QString& putanja, quint32 vrijednost) override {
        return registarRadi && (registar << putanja + u'=' + QString::number(vrijednost), true);
    }

    QStringList naredbe;
    // Title -> minimised. Looked up without regard to case.
    QMap<QString, bool> prozori;
    // "1042 <title>", "minimizirano <title>".
    QStringList radnjeSProzorima;
    std::optional<QString> imeRačunala = QStringLiteral("RACUNALO");
    std::optional<QString> imeKorisnika = QStringLiteral("operater");
    QHash<QString, QString> okolina;
    QString putanjaPostavki;
    QStringList registar;
    bool registarRadi = true;
};

class Okruženje {
public:
    // stvoriUpdate: whether `Update/` exists from the start.
    explicit Okruženje(bool stvoriUpdate = true);

    // The base directory and `Update/`, with a trailing separator.
    QString baza() const { return QDir::toNativeSeparators(dir.path() + "/Velkor/"); }
    QString update() const { return baza() + "Update" + QDir::separator(); }
    QString putanjaPostavki() const { return dir.path() + "/config/Velkor/Velkor.ini"; }
    QString putanjaLoga() const { return update() + "Update.log"; }

    // Writes a file as the suite would: text in Windows-1250.
    static void zapiši(const QString& put, const QString& sadržaj) {
        zapišiBajtove(put, UAnsi(sadržaj));
    }
    static void zapišiBajtove(const QString& put, const QByteArray& bajtovi);
    static QByteArray pročitaj(const QString& put);
    // Settings as the program would find them.
    void spremiPostavku(const QString& odjeljak, const QString& ključ, const QString& vrijednost) {
        spremište->Zapiši(odjeljak, ključ, vrijednost);
    }

    // The log decoded record by record: the message texts without date and time.
    QStringList porukeLoga() const;

    // The program wired to this environment; made on first use.
    Aplikacija& aplikacija();
    Okolina okolina();
    // The local update server of `objava`, named to the program by the
    // environment; started on first use.
    LokalniPoslužitelj& poslužitelj();

    // Everything the environment showed, a "key: value" line each, after z's lines:
    // requests, log, boxes, grid rows, progress, reports, waits, commands, other
    // programs' windows, registry, stanje's last error and the files under the base;
    // the varying paths, hosts and port named, CR LF shown as ⏎. The status panels'
    // texts only when the case is about them.
    QStringList zapis(QStringList z = {}, const Stanje* stanje = nullptr,
                      bool statusi = false) const;

    QTemporaryDir dir, objava;
    LažniProzor prozor;
    NeispravneDatoteke datoteke;
    LažnaPlatforma platforma;
    FiksniSat sat;
    FiksnoRegionalno regionalno;
    std::unique_ptr<QSettingsSpremište> spremište;

private:
    QStringList stablo() const;
    QString opis(const QByteArray& bajtovi) const;
    std::unique_ptr<Aplikacija> aplikacija_;
    std::unique_ptr<LokalniPoslužitelj> poslužitelj_;
};

// Golden records of whole runs, a file a case: the first line the case, the rest
// the record. Adds the column "put", a row a file of the directory.
void DodajZlatne(const QString& direktorija);
QString SlučajZlatnog(const QString& put);
// VELKOR_PISI_ZLATNE=1 writes the record as the file's new golden one.
void UsporediSaZlatnim(const QString& put, const QStringList& zapis);

} // namespace velkor::test
