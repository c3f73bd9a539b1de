// The port on Windows: Qt's types turned into the Win32 layer's and back, nothing more.
// Only a Windows build compiles this file; everything it calls is in win32/ and is
// built and tested here with the cross compiler under Wine.
#include "platform/Platforma.h"
#include "platform/windows/win32/Win32.h"

#include <QSettings>

namespace velkor {

namespace {

std::wstring UŠiroki(const QString& tekst) {
    return tekst.toStdWString();
}

QString IzŠirokog(const std::wstring& tekst) {
    return QString::fromStdWString(tekst);
}

std::optional<QString> IzŠirokog(const std::optional<std::wstring>& tekst) {
    if (!tekst)
        return std::nullopt;
    return IzŠirokog(*tekst);
}

IshodProcesa UIshod(const win32::Ishod& ishod) {
    return {ishod.pokrenut,
            static_cast<qint64>(ishod.id),
            IzŠirokog(ishod.greška),
            ishod.isteklo ? -1 : static_cast<int>(ishod.izlazniKod),
            ishod.isteklo,
            QByteArray(ishod.izlaz.data(), static_cast<qsizetype>(ishod.izlaz.size()))};
}

class WindowsPlatforma : public Platforma {
public:
    std::optional<QString> ImeRačunalaSustava() override { return IzŠirokog(win32::ImeRačunala()); }

    std::optional<QString> ImeKorisnikaSustava() override {
        return IzŠirokog(win32::ImeKorisnika());
    }

    QString VarijablaOkoline(const QString& ime) override {
        return IzŠirokog(win32::VarijablaOkoline(UŠiroki(ime)));
    }

    // The registry key where the suite's own programs keep theirs, as REG_SZ texts;
    // a path of its own, so no fallback to other keys is read.
    std::unique_ptr<QSettings> OtvoriPostavke() override {
        return std::make_unique<QSettings>(IzŠirokog(win32::KorijenPostavki),
                                           QSettings::NativeFormat);
    }

    IshodProcesa PokreniSkrivenoIČekaj(const QString& naredbenaLinija) override {
        return UIshod(win32::PokreniSkrivenoIČekaj(UŠiroki(naredbenaLinija)));
    }

    IshodProcesa PokreniProgramSustava(const QString& program, const QString& naredbenaLinija,
                                       int sekundi) override {
        return UIshod(win32::PokreniIzSustava(UŠiroki(program), UŠiroki(naredbenaLinija),
                                              static_cast<unsigned>(sekundi) * 1000));
    }

    IshodProcesa PokreniSkrivenoIPročitaj(const QString& naredbenaLinija) override {
        return UIshod(win32::PokreniSkrivenoIPročitaj(UŠiroki(naredbenaLinija)));
    }

    RučkaProzora NađiProzor(const QString& naslov) override {
        return win32::NađiProzor(UŠiroki(naslov));
    }

    // A program that does not answer within 5 s counts as running all the same.
    void PošaljiPoruku1042(RučkaProzora prozor) override { win32::PošaljiPoruku1042(prozor, 5000); }

    bool JeMinimiziran(RučkaProzora prozor) override { return win32::JeMinimiziran(prozor); }

    void PrikažiMinimizirano(RučkaProzora prozor) override { win32::PrikažiMinimizirano(prozor); }

    bool ZapišiDWORD(const QString& putanja, quint32 vrijednost) override {
        return win32::ZapišiDWORD(UŠiroki(putanja), vrijednost);
    }
};

} // namespace

std::unique_ptr<Platforma> NapraviPlatformu() {
    return std::make_unique<WindowsPlatforma>();
}

} // namespace velkor
