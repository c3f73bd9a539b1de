// The Win32 layer under Wine, without Qt: one line per failed check, then the totals.
// Started with arguments, it is instead the child of the process checks.
#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace velkor::win32;

namespace {

int prošlo = 0, palo = 0;

void r(bool uvjet, const std::wstring& opis) {
    uvjet ? ++prošlo : ++palo;
    if (!uvjet)
        std::printf("FAIL: %s\n", UUtf8(opis).c_str());
}

// How the child was asked to show itself (-1: not asked) and its command line as it arrived.
const std::wstring ZapisDjeteta = L"HKCU\\Software\\Velkor\\Dijete";

// Ends with 7; with VELKOR_IZLAZ set, it first writes that many bytes out and a line to its
// errors; with VELKOR_PROZOR set, it first holds a window of that title unanswered.
int Dijete() {
    STARTUPINFOW postava = {};
    GetStartupInfoW(&postava);
    const int prikaz = postava.dwFlags & STARTF_USESHOWWINDOW ? postava.wShowWindow : -1;
    ZapišiTekst(ZapisDjeteta, std::to_wstring(prikaz) + L"|" + GetCommandLineW());
    if (const wchar_t* bajtova = _wgetenv(L"VELKOR_IZLAZ")) {
        std::fputs("greška\n", stderr);
        const std::string izlaz(std::wcstoul(bajtova, nullptr, 10), 'x');
        std::fwrite(izlaz.data(), 1, izlaz.size(), stdout);
    }
    if (const wchar_t* naslov = _wgetenv(L"VELKOR_PROZOR")) {
        CreateWindowExW(0, L"STATIC", naslov, WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr,
                        nullptr, nullptr);
        SetEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, L"VelkorProzor"));
        Sleep(20000);
    }
    return 7;
}

// A registry value as stored: its type, then its bytes.
std::string Sirovo(const std::wstring& ključ, const wchar_t* ime) {
    char podaci[512] = {};
    DWORD vrsta = 0, veličina = sizeof podaci;
    RegGetValueW(HKEY_CURRENT_USER, ključ.c_str(), ime, RRF_RT_ANY | RRF_NOEXPAND, &vrsta, podaci,
                 &veličina);
    return std::to_string(vrsta) + ":" + std::string(podaci, veličina);
}

void Registar() {
    const std::wstring crystal =
        L"Software\\Seagate Software\\Crystal Reports Designer Component\\Export";
    r(ZapišiDWORD(L"HKCU\\" + crystal + L"\\BitMapMagnifNumerator", 12) &&
          Sirovo(crystal, L"BitMapMagnifNumerator") == std::string("4:\x0C\0\0\0", 6) &&
          !ZapišiDWORD(L"HKLM\\Software\\Velkor\\X", 1),
      L"DWORD: keys created, REG_DWORD 12; per user only");
    const std::wstring mjesto = L"C:\\Dist\\Obračun\\";
    r(ZapišiTekst(PutanjaPostavke(L"Setting", L"UpdateLokDir22"), mjesto) &&
          Sirovo(L"Software\\VB and VBA Program Settings\\Velkor\\Setting", L"UpdateLokDir22") ==
              "1:" + std::string(reinterpret_cast<const char*>(mjesto.c_str()),
                                 (mjesto.size() + 1) * 2) &&
          PročitajTekst(PutanjaPostavke(L"Setting", L"UpdateLokDir22")) == mjesto,
      L"settings: REG_SZ under VB and VBA Program Settings\\Velkor\\<section>");
}

void Prozori() {
    for (const wchar_t* naslov : {L"Financijsko knjigovodstvo 22", L"Plaće 22 - Firma d.o.o.",
                                  L"Velkor pomoć", L"Velkor ?"})
        CreateWindowExW(0, L"STATIC", naslov, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 100,
                        nullptr, nullptr, nullptr, nullptr);
    for (const auto& [naslov, ima] : {std::pair{L"FINANCIJSKO KNJIGOVODSTVO 22", true},
                                      {L"Plaće 22", false},
                                      {L"VELKOR POMOĆ", true},
                                      {L"Velkor 漢", false}}) // not in cp1250: not "Velkor ?"
        r((NađiProzor(naslov) != 0) == ima, L"window lookup: " + std::wstring(naslov));
    PrikažiMinimizirano(NađiProzor(L"Velkor pomoć"));
    r(JeMinimiziran(NađiProzor(L"Velkor pomoć")) &&
          !JeMinimiziran(NađiProzor(L"Financijsko knjigovodstvo 22")),
      L"shown minimised, and then minimised: that window only");
    r(UAnsi(IzUtf8("čćžšđ ČĆŽŠĐ")) == "\xE8\xE6\x9E\x9A\xF0 \xC8\xC6\x8E\x8A\xD0" &&
          UUtf8(IzAnsija("\xE8\xE6\x9E\x9A\xF0")) == "čćžšđ" &&
          UAnsiZamjenom(L"Velkor 漢 č") == "Velkor ? \xE8",
      L"cp1250 both ways; in files a character without a place is \"?\"");
}

// The child is this program, copied where a blank and a letter outside ASCII are in its path.
void Procesi() {
    wchar_t put[MAX_PATH];
    GetModuleFileNameW(nullptr, put, MAX_PATH);
    const std::wstring mapa = std::filesystem::path(put).parent_path() / L"Velkor šifre";
    std::filesystem::create_directory(mapa);
    CopyFileW(put, (mapa + L"\\dijete.exe").c_str(), FALSE);
    const std::wstring dijete = L"\"" + mapa + L"\\dijete.exe\"";
    const std::wstring sedamZip =
        dijete + L" e \"C:\\P\\Update\\Obračun.7z\" -aoa -o\"C:\\P\\Update\\\"";
    const Ishod čekan = PokreniSkrivenoIČekaj(sedamZip);
    r(čekan.pokrenut && čekan.izlazniKod == 7 && PročitajTekst(ZapisDjeteta) == L"0|" + sedamZip,
      L"waited, hidden, as formed, exit code: " + sedamZip);
    // Read past what a pipe holds, so a parent reading only after the end would wait forever.
    SetEnvironmentVariableW(L"VELKOR_IZLAZ", L"200000");
    const Ishod pročitan = PokreniSkrivenoIPročitaj(sedamZip);
    SetEnvironmentVariableW(L"VELKOR_IZLAZ", nullptr);
    r(pročitan.izlazniKod == 7 && pročitan.izlaz == std::string(200000, 'x') &&
          PročitajTekst(ZapisDjeteta) == L"0|" + sedamZip,
      L"read: its whole output and not its errors, hidden, as formed: " + sedamZip);
    HANDLE prozorOtvoren = CreateEventW(nullptr, TRUE, FALSE, L"VelkorProzor");
    SetEnvironmentVariableW(L"VELKOR_PROZOR", L"Blagajna 22");
    const std::wstring regSvr = dijete + L" \"C:\\Velkor software\\Grid.ocx\" /u /s";
    HANDLE proces = OpenProcess(PROCESS_ALL_ACCESS, FALSE, PokreniSkriveno(regSvr).id);
    const bool otvoren = WaitForSingleObject(prozorOtvoren, 20000) == WAIT_OBJECT_0;
    // The child's window is found, and left in time though its thread does not answer.
    const auto početak = std::chrono::steady_clock::now();
    const RučkaProzora zaglavljen = NađiProzor(L"Blagajna 22");
    r(otvoren && zaglavljen && !PošaljiPoruku1042(zaglavljen, 300) &&
          std::chrono::steady_clock::now() - početak < std::chrono::seconds(3) &&
          WaitForSingleObject(proces, 0) == WAIT_TIMEOUT &&
          PročitajTekst(ZapisDjeteta) == L"0|" + regSvr,
      L"not waited, hidden, as formed; a window that does not answer is left: " + regSvr);
    TerminateProcess(proces, 0);
    // A time limit: a child that does not end within it is ended; one that does gives its code.
    const auto prije = std::chrono::steady_clock::now();
    const Ishod istekao = PokreniSkrivenoIČekaj(regSvr, 500);
    HANDLE istekli = OpenProcess(SYNCHRONIZE, FALSE, istekao.id);
    const auto trajanje = std::chrono::steady_clock::now() - prije;
    SetEnvironmentVariableW(L"VELKOR_PROZOR", nullptr);
    const Ishod naVrijeme = PokreniSkrivenoIČekaj(sedamZip, 20000);
    r(naVrijeme.izlazniKod == 7 && !naVrijeme.isteklo && istekao.pokrenut && istekao.isteklo &&
          trajanje < std::chrono::seconds(5) &&
          (!istekli || WaitForSingleObject(istekli, 0) == WAIT_OBJECT_0),
      L"time limit: the child ended at it; the exit code within it");
    // The system's own tool by its full path: the child copied beside this program under its
    // name, where the usual search looks first, is not started; the tool's exit code is read.
    const std::wstring uzorak = std::filesystem::path(put).parent_path() / L"regsvr32.exe";
    CopyFileW(put, uzorak.c_str(), FALSE);
    ZapišiTekst(ZapisDjeteta, L"-");
    const Ishod sustava =
        PokreniIzSustava(L"regsvr32.exe", L"regsvr32.exe \"C:\\nema\\Grid.ocx\" /s", 20000);
    r(sustava.pokrenut && !sustava.isteklo && sustava.izlazniKod != 0 && sustava.izlazniKod != 7 &&
          PročitajTekst(ZapisDjeteta) == L"-" && DirektorijaSustava().size() > 3,
      L"the system's regsvr32 by full path, its exit code " + std::to_wstring(sustava.izlazniKod));
    DeleteFileW(uzorak.c_str());
    for (const Ishod& ishod : {PokreniSkrivenoIČekaj(L"\"C:\\nema ga\\7za.exe\" e x"),
                               PokreniSkriveno(L"NemaGaNigdje.exe /s")})
        r(!ishod.pokrenut && !ishod.greška.empty() && ishod.greška.back() != L'\n',
          L"a missing program: the system's text, one line: " + ishod.greška);
}

} // namespace

int main(int argc, char**) {
    if (argc > 1)
        return Dijete();
    std::setvbuf(stdout, nullptr, _IONBF, 0); // a check that hangs leaves the lines before it
    // The prefix outlives a run: the keys are to be created afresh each time.
    for (const wchar_t* ključ : {L"Software\\Seagate Software",
                                 L"Software\\VB and VBA Program Settings", L"Software\\Velkor"})
        RegDeleteTreeW(HKEY_CURRENT_USER, ključ);
    Registar();
    Prozori();
    Procesi();
    std::printf("%d passed, %d failed\n", prošlo, palo);
    return palo == 0 ? 0 : 1;
}
