#include "platform/Platforma.h"
#include "platform/posix/PosixProcesi.h"
#include "platform/posix/PosixProzori.h"

#include <QByteArray>
#include <QSettings>
#include <pwd.h>
#include <unistd.h>

namespace velkor {

namespace {

class PosixPlatforma : public Platforma {
public:
    std::optional<QString> ImeRačunalaSustava() override {
        char ime[256] = {};
        if (gethostname(ime, sizeof ime - 1) != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(ime);
    }

    std::optional<QString> ImeKorisnikaSustava() override {
        if (const passwd* korisnik = getpwuid(geteuid()); korisnik && korisnik->pw_name)
            return QString::fromLocal8Bit(korisnik->pw_name);
        const QByteArray izOkoline = qgetenv("USER");
        if (izOkoline.isEmpty())
            return std::nullopt;
        return QString::fromLocal8Bit(izOkoline);
    }

    QString VarijablaOkoline(const QString& ime) override {
        return qEnvironmentVariable(ime.toLocal8Bit().constData());
    }

    // Velkor/Velkor.ini in the user's configuration directory ($XDG_CONFIG_HOME).
    std::unique_ptr<QSettings> OtvoriPostavke() override {
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QStringLiteral("Velkor"), QStringLiteral("Velkor"));
    }

    IshodProcesa PokreniSkrivenoIČekaj(const QString& naredbenaLinija) override {
        return posix::PokreniIČekaj(naredbenaLinija);
    }

    // No system directory here: the tool is whatever PATH finds (the demo's stand-in).
    IshodProcesa PokreniProgramSustava(const QString&, const QString& naredbenaLinija,
                                       int sekundi) override {
        return posix::PokreniIČekaj(naredbenaLinija, sekundi * 1000);
    }

    IshodProcesa PokreniSkrivenoIPročitaj(const QString& naredbenaLinija) override {
        return posix::PokreniIČekaj(naredbenaLinija, -1, true);
    }

    RučkaProzora NađiProzor(const QString& naslov) override { return posix::NađiProzorNaX(naslov); }

    // X has no counterpart of the message: programs here do not wait for it.
    void PošaljiPoruku1042(RučkaProzora) override {}

    bool JeMinimiziran(RučkaProzora prozor) override { return posix::JeIkonaNaX(prozor); }

    // Nor of showing a window minimised from another program; an icon stays an icon.
    void PrikažiMinimizirano(RučkaProzora) override {}

    // Velkor/Registar.ini beside the settings, keyed by the registry path.
    bool ZapišiDWORD(const QString& putanja, quint32 vrijednost) override {
        QSettings registar(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velkor"),
                           QStringLiteral("Registar"));
        registar.setValue(putanja, vrijednost);
        registar.sync();
        return registar.status() == QSettings::NoError;
    }
};

} // namespace

std::unique_ptr<Platforma> NapraviPlatformu() {
    return std::make_unique<PosixPlatforma>();
}

} // namespace velkor
