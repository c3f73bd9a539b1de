#pragma once
// A temporary installation with the seams of the core set for a test: the base
// directory with `Update/`, a fixed clock and date format, a settings file of its
// own, a platform that answers from fields, the recording window, and the state
// and log that the parts a test wires itself share.
#include "LazniProzor.h"
#include "NeispravneDatoteke.h"
#include "base/Dnevnik.h"
#include "base/RadneDirektorije.h"
#include "base/Sat.h"
#include "base/SpremistePostavki.h"
#include "base/Stanje.h"
#include "platform/KodnaStranica.h"
#include "platform/Platforma.h"
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
    IshodProcesa PokreniSkrivenoIPročitaj(const QString& linija) override {
        naredbe << linija;
        return posix::PokreniIČekaj(linija, -1, true);
    }
    // The time limit asked for, unless a test shortens the real wait.
    IshodProcesa PokreniProgramSustava(const QString&, const QString& linija, int s) override {
        naredbe << linija;
        return posix::PokreniIČekaj(linija, std::min(s, najdužeSekundi) * 1000);
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
    int najdužeSekundi = 60;
};

class Instalacija {
public:
    // stvoriUpdate: whether `Update/` exists from the start.
    explicit Instalacija(bool stvoriUpdate = true);

    // The program's own directory, without and with a trailing separator, and `Update/`.
    QString program() const { return QDir::toNativeSeparators(dir.path() + "/Velkor"); }
    QString baza() const { return program() + QDir::separator(); }
    QString update() const { return baza() + "Update" + QDir::separator(); }
    QString putanjaPostavki() const { return dir.path() + "/config/Velkor/Velkor.ini"; }
    QString putanjaLoga() const { return update() + "Update.log"; }

    // Writes a file as the suite would: text in Windows-1250, its directory made if missing.
    static void zapiši(const QString& put, const QString& sadržaj) {
        zapišiBajtove(put, UAnsi(sadržaj));
    }
    static void zapišiBajtove(const QString& put, const QByteArray& bajtovi);
    static QByteArray pročitaj(const QString& put);
    // A tool (minisign, sha256sum) run in a directory: whether it ended with 0.
    static bool izvrši(const QString& dir, const QString& program, const QStringList& argumenti);
    // Settings as the program would find them.
    void spremiPostavku(const QString& odjeljak, const QString& ključ, const QString& vrijednost) {
        spremište->Zapiši(odjeljak, ključ, vrijednost);
    }

    // The log decoded record by record: the message texts without date and time.
    QStringList porukeLoga() const;

    QTemporaryDir dir;
    LažniProzor prozor;
    NeispravneDatoteke datoteke;
    LažnaPlatforma platforma;
    FiksniSat sat;
    FiksnoRegionalno regionalno;
    std::unique_ptr<QSettingsSpremište> spremište;
    Stanje stanje;
    Dnevnik dnevnik{program(), datoteke, prozor, sat, regionalno};
    RadneDirektorije radneDirektorije{program(), stanje, prozor, datoteke, platforma};
};

// Every message box shown, as "Icon[ DaNe][ title]: text".
QStringList Poruke(const LažniProzor& prozor);
// {B} the base directory and {U} its Update directory, as the program writes them.
QStringList Zamijeni(QStringList tekstovi, const Instalacija& i);

} // namespace velkor::test
