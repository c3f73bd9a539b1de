#pragma once
// The Win32 side of the port: standard C++ and <windows.h> only, so that the
// cross compiler builds and Wine runs it without Qt. Texts are wide (UTF-16)
// inside; the ANSI code page only where the system's "A" calls want it.
#include <cstdint>
#include <optional>
#include <string>

namespace velkor::win32 {

// --- Text: UTF-8, wide, and the system's ANSI code page.
std::wstring IzUtf8(const std::string& utf8);
std::string UUtf8(const std::wstring& tekst);
// No value when a character has no place in the code page (it would become "?").
std::optional<std::string> UAnsi(const std::wstring& tekst);
// For text in files: a character without a place becomes the code page's default one.
std::string UAnsiZamjenom(const std::wstring& tekst);
std::wstring IzAnsija(const std::string& ansi);

// --- The console of the unattended mode.
// Binds standard output and error to the parent's console where they go nowhere.
void PrikvačiKonzoluRoditelja();
// In the console's output code page (the OEM one without a console).
std::string UKodKonzole(const std::wstring& tekst);

// --- The system.
std::optional<std::wstring> ImeRačunala();
std::optional<std::wstring> ImeKorisnika();
// Empty text when the variable is not set.
std::wstring VarijablaOkoline(const std::wstring& ime);
// The system's own directory (System32), without a closing backslash; empty when unknown.
std::wstring DirektorijaSustava();
// The system's own words for an error number, without the closing line break.
std::wstring TekstGreške(unsigned long broj);

// --- The registry, by full path: "HKCU\Software\...\Name" (or HKEY_CURRENT_USER\...).
// Missing keys are created; false when the path or the write fails.
bool ZapišiDWORD(const std::wstring& putanja, std::uint32_t vrijednost);
bool ZapišiTekst(const std::wstring& putanja, const std::wstring& tekst);
// Only a REG_SZ value counts, as the suite's own programs read theirs.
std::optional<std::wstring> PročitajTekst(const std::wstring& putanja);
// Where the suite's programs keep their settings; its sections are subkeys.
inline const std::wstring KorijenPostavki =
    L"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Velkor";
std::wstring PutanjaPostavke(const std::wstring& odjeljak, const std::wstring& ključ);

// --- Windows of other programs.
using RučkaProzora = std::uint64_t; // 0: none
// A top-level window by its whole title, letter case aside, as FindWindowA finds it.
RučkaProzora NađiProzor(const std::wstring& naslov);
// Message 1042 (WM_USER + 18) with 0 and the address of a DWORD 0; false when the
// window did not answer within the time (a hung program is left, not waited for).
bool PošaljiPoruku1042(RučkaProzora prozor, unsigned vrijemeMs);
bool JeMinimiziran(RučkaProzora prozor);
void PrikažiMinimizirano(RučkaProzora prozor);

// --- Processes started hidden from a command line passed on unchanged.
struct Ishod {
    bool pokrenut = false;
    unsigned long id = 0;
    std::wstring greška;          // the system's text when it did not start
    unsigned long izlazniKod = 0; // of a process waited for
    bool isteklo = false;         // still running at the time limit, and ended
    std::string izlaz{};          // its standard output, when read
};
inline constexpr unsigned BezRoka = 0xFFFFFFFFu; // INFINITE
// Waited for at most vrijemeMs; one still running then is ended.
Ishod PokreniSkrivenoIČekaj(const std::wstring& naredbenaLinija, unsigned vrijemeMs = BezRoka);
// Waited for, its standard output read to the end.
Ishod PokreniSkrivenoIPročitaj(const std::wstring& naredbenaLinija);
Ishod PokreniSkriveno(const std::wstring& naredbenaLinija);
// The system directory's program by its full path, never searched for, waited for at most
// vrijemeMs; the command line still goes to it as formed.
Ishod PokreniIzSustava(const std::wstring& program, const std::wstring& naredbenaLinija,
                       unsigned vrijemeMs);

} // namespace velkor::win32
