#pragma once
// The port to the operating system: what only the platform can tell.
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

class QSettings;

namespace velkor {

// What starting a process came to: its id when it started, else the system's error text.
struct IshodProcesa {
    bool pokrenut = false;
    qint64 id = 0;
    QString greška;
    // Of a process waited for: its exit code; -1 when it crashed or was ended.
    int izlazniKod = 0;
    // Of one waited for with a time limit: still running at the limit, and ended.
    bool isteklo = false;
    // Of a process whose output is read: its standard output.
    QByteArray izlaz{};
};

using RučkaProzora = quint64; // 0: none

class Platforma {
public:
    virtual ~Platforma() = default;

    // The computer-name query as the system answers it; no value when it fails.
    virtual std::optional<QString> ImeRačunalaSustava() = 0;
    // The logged-on user's name as the system answers it; no value when it fails.
    virtual std::optional<QString> ImeKorisnikaSustava() = 0;
    // An environment variable; empty text when it is not set.
    virtual QString VarijablaOkoline(const QString& ime) = 0;
    // The per-user settings store of application "Velkor".
    virtual std::unique_ptr<QSettings> OtvoriPostavke() = 0;

    // A process started with its window hidden from a command line exactly as
    // formed (where the system wants arguments, split as a shell would).
    // Waited for until it ends.
    virtual IshodProcesa PokreniSkrivenoIČekaj(const QString& naredbenaLinija) = 0;
    // A program of the system's own (its file named in `program`) started hidden from a
    // command line as formed, waited for at most `sekundi`; one still running then is
    // ended. On Windows the file is taken from the system directory by its full path:
    // the program's own directory, where items are installed, is never searched.
    // Elsewhere the command line's program is searched for on PATH.
    virtual IshodProcesa PokreniProgramSustava(const QString& program,
                                               const QString& naredbenaLinija, int sekundi) = 0;
    // The same, waited for until it ends, its standard output read to the end.
    virtual IshodProcesa PokreniSkrivenoIPročitaj(const QString& naredbenaLinija) = 0;

    // The first top-level window of another program whose whole title equals naslov, letter case
    // aside.
    virtual RučkaProzora NađiProzor(const QString& naslov) = 0;
    // Message 1042 (WM_USER + 18), waited for at most a few seconds; a window that does not answer
    // is left.
    virtual void PošaljiPoruku1042(RučkaProzora prozor) = 0;
    virtual bool JeMinimiziran(RučkaProzora prozor) = 0;
    // Shown minimised (and activated), as the system's show-minimised command.
    virtual void PrikažiMinimizirano(RučkaProzora prozor) = 0;

    // A per-user DWORD value by its full registry path ("HKCU\Software\...\Name"); keys created.
    virtual bool ZapišiDWORD(const QString& putanja, quint32 vrijednost) = 0;
};

// The implementation for the platform the program was built for.
std::unique_ptr<Platforma> NapraviPlatformu();

} // namespace velkor
