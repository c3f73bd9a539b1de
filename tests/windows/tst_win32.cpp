// The Win32 layer under Wine, without Qt: one line per failed check, then the totals.
#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace velkor::win32;

namespace {

struct Rezultat {
    int prošlo = 0, palo = 0;
    void operator()(bool uvjet, const std::wstring& opis) {
        uvjet ? ++prošlo : ++palo;
        if (!uvjet)
            std::printf("FAIL: %s\n", UUtf8(opis).c_str());
    }
};

// A registry value as stored: its type and bytes.
using Vrijednost = std::pair<DWORD, std::string>;
Vrijednost Sirovo(const std::wstring& ključ, const std::wstring& ime) {
    char podaci[512];
    DWORD vrsta = 0, veličina = sizeof podaci;
    if (RegGetValueW(HKEY_CURRENT_USER, ključ.c_str(), ime.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                     &vrsta, podaci, &veličina) != ERROR_SUCCESS)
        return {};
    return {vrsta, std::string(podaci, veličina)};
}

std::string Bajtovi(const void* podaci, size_t veličina) {
    return std::string(static_cast<const char*>(podaci), veličina);
}

void Registar(Rezultat& r) {
    // The prefix outlives a run: the keys are to be created afresh every time.
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Seagate Software");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings");
    const std::wstring crystal =
        L"Software\\Seagate Software\\Crystal Reports Designer Component\\Export";
    const DWORD dvanaest = 12, jedan = 1;
    ZapišiTekst(L"HKCU\\" + crystal + L"\\BitMapMagnifNumerator", L"7");
    r(ZapišiDWORD(L"HKCU\\" + crystal + L"\\BitMapMagnifNumerator", 12) &&
          Sirovo(crystal, L"BitMapMagnifNumerator") == Vrijednost{REG_DWORD, Bajtovi(&dvanaest, 4)},
      L"DWORD 12 over an earlier text");
    r(ZapišiDWORD(L"HKEY_CURRENT_USER\\" + crystal + L"\\BitMapMagnifDenominator", 1) &&
          Sirovo(crystal, L"BitMapMagnifDenominator") == Vrijednost{REG_DWORD, Bajtovi(&jedan, 4)},
      L"DWORD 1 by the long root");
    for (const wchar_t* loša : {L"HKLM\\Software\\Velkor\\X", L"HKCU\\X", L"HKCU\\Software\\"})
        r(!ZapišiDWORD(loša, 1), L"refused: " + std::wstring(loša));
    const std::wstring mjesto = L"C:\\Dist\\Obračun plaća\\";
    r(ZapišiTekst(PutanjaPostavke(L"Setting", L"UpdateLokDir22"), mjesto) &&
          Sirovo(L"Software\\VB and VBA Program Settings\\Velkor\\Setting", L"UpdateLokDir22") ==
              Vrijednost{REG_SZ, Bajtovi(mjesto.c_str(), (mjesto.size() + 1) * 2)} &&
          PročitajTekst(PutanjaPostavke(L"Setting", L"UpdateLokDir22")) == mjesto,
      L"settings text: REG_SZ under VB and VBA Program Settings\\Velkor\\<section>");
    r(!PročitajTekst(L"HKCU\\" + crystal + L"\\BitMapMagnifNumerator") &&
          !PročitajTekst(PutanjaPostavke(L"Settings", L"Nema")),
      L"settings text: a DWORD or a missing value reads as none");
}

void Tekst(Rezultat& r) {
    r(GetACP() == 1250, L"the ANSI code page of the test is 1250");
    const std::pair<const char*, const char*> parovi[] = {
        {"Velkor pomoć", "Velkor pomo\xE6"},
        {"čćžšđ ČĆŽŠĐ", "\xE8\xE6\x9E\x9A\xF0 \xC8\xC6\x8E\x8A\xD0"}};
    for (const auto& [utf8, ansi] : parovi)
        r(UAnsi(IzUtf8(utf8)) == ansi && UUtf8(IzAnsija(ansi)) == utf8,
          L"ANSI both ways: " + IzUtf8(utf8));
    r(!UAnsi(L"Velkor 漢"), L"ANSI: a character it has not");
    const std::wstring duga(300, L'š');
    SetEnvironmentVariableW(L"VELKOR_PROBA", duga.c_str());
    r(VarijablaOkoline(L"VELKOR_PROBA") == duga && VarijablaOkoline(L"VELKOR_NEMA").empty(),
      L"environment: 300 letters, and one not set");
    r(ImeRačunala().value_or(L"") == VarijablaOkoline(L"COMPUTERNAME") &&
          !ImeKorisnika().value_or(L"").empty(),
      L"computer and user names");
}

std::atomic<int> primljeno{0}; // 1: message 1042 with 0 and a DWORD 0; -1: other

LRESULT CALLBACK Obrada(HWND prozor, UINT poruka, WPARAM w, LPARAM l) {
    if (poruka == WM_USER + 18)
        primljeno = w == 0 && *reinterpret_cast<DWORD*>(l) == 0 ? 1 : -1;
    return DefWindowProcW(prozor, poruka, w, l);
}

void TraženjeProzora(Rezultat& r) {
    WNDCLASSW razred = {};
    razred.lpfnWndProc = Obrada;
    razred.lpszClassName = L"VelkorProba";
    RegisterClassW(&razred);
    const DWORD obični = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    for (const auto& [naslov, stil] : {std::pair{L"Financijsko knjigovodstvo 22", obični},
                                       {L"Plaće 22 - Firma d.o.o.", obični},
                                       {L"Velkor pomoć", obični | WS_MINIMIZE},
                                       {L"Velkor ?", obični}})
        CreateWindowExW(0, L"VelkorProba", naslov, stil, 0, 0, 300, 100, nullptr, nullptr, nullptr,
                        nullptr);
    const std::pair<const wchar_t*, const wchar_t*> traženja[] = {
        {L"FINANCIJSKO KNJIGOVODSTVO 22", L"Financijsko knjigovodstvo 22"},
        {L"Plaće 22", nullptr},
        {L"Velkor pomoć", L"Velkor pomoć"},
        {L"VELKOR POMOĆ", L"Velkor pomoć"},
        {L"Velkor 漢", nullptr}};
    for (const auto& [naslov, nađeni] : traženja) {
        wchar_t stvarni[64] = L"";
        if (const RučkaProzora p = NađiProzor(naslov))
            GetWindowTextW(reinterpret_cast<HWND>(p), stvarni, 64);
        r(std::wstring(stvarni) == (nađeni ? nađeni : L""),
          L"window lookup: " + std::wstring(naslov));
    }
    const RučkaProzora obični1 = NađiProzor(L"Financijsko knjigovodstvo 22");
    const RučkaProzora pomoć = NađiProzor(L"Velkor pomoć");
    PrikažiMinimizirano(pomoć);
    r(JeMinimiziran(pomoć) && !JeMinimiziran(obični1), L"minimised: the iconic window only");
    r(PošaljiPoruku1042(obični1, 5000) && primljeno == 1, L"message 1042 with 0 and &DWORD 0");
}

// The window of another program whose thread does not answer: found, and left after the time.
bool OstavljenZaglavljeni() {
    const auto početak = std::chrono::steady_clock::now();
    const RučkaProzora prozor = NađiProzor(L"Blagajna 22");
    const bool odgovorio = PošaljiPoruku1042(prozor, 300);
    return prozor && !odgovorio &&
           std::chrono::steady_clock::now() - početak < std::chrono::seconds(3);
}

std::wstring Pročitaj(const std::wstring& put) {
    std::ifstream datoteka(std::filesystem::path(put), std::ios::binary);
    const std::string bajtovi{std::istreambuf_iterator<char>(datoteka), {}};
    return std::wstring(reinterpret_cast<const wchar_t*>(bajtovi.data()), bajtovi.size() / 2);
}

void Procesi(Rezultat& r) {
    wchar_t put[MAX_PATH];
    GetModuleFileNameW(nullptr, put, MAX_PATH);
    const std::wstring ovdje = std::wstring(put).substr(0, std::wstring(put).rfind(L'\\') + 1);
    const std::wstring mapa = ovdje + L"Velkor šifre\\";
    const std::wstring dijete = mapa + L"dijete.exe", zapis = mapa + L"zapis.txt";
    CreateDirectoryW(mapa.c_str(), nullptr);
    CopyFileW((ovdje + L"dijete.exe").c_str(), dijete.c_str(), FALSE);
    SetEnvironmentVariableW(L"VELKOR_ZAPIS", zapis.c_str());
    HANDLE znak = CreateEventW(nullptr, TRUE, TRUE, L"VelkorDijete");
    const std::wstring sedamZip =
        L"\"" + dijete + L"\" e \"C:\\P\\Update\\Obračun.7z\" -aoa -o\"C:\\P\\Update\\\"";
    DeleteFileW(zapis.c_str());
    const Ishod čekan = PokreniSkrivenoIČekaj(sedamZip);
    r(čekan.pokrenut && čekan.id > 0 && Pročitaj(zapis) == L"0|" + sedamZip,
      L"waited, hidden, the command line as formed: " + sedamZip);
    const std::wstring regSvr = L"\"" + dijete + L"\" \"C:\\Velkor software\\Grid.ocx\" /u /s";
    DeleteFileW(zapis.c_str());
    ResetEvent(znak);
    SetEnvironmentVariableW(L"VELKOR_PROZOR", L"Blagajna 22");
    HANDLE prozorGotov = CreateEventW(nullptr, TRUE, FALSE, L"VelkorProzor");
    const Ishod pušten = PokreniSkriveno(regSvr);
    HANDLE proces = OpenProcess(SYNCHRONIZE, FALSE, pušten.id);
    r(pušten.pokrenut && WaitForSingleObject(proces, 0) == WAIT_TIMEOUT,
      L"not waited for, its process id told");
    r(WaitForSingleObject(prozorGotov, 20000) == WAIT_OBJECT_0 && OstavljenZaglavljeni(),
      L"message 1042: a hung window is found and left");
    SetEvent(znak);
    WaitForSingleObject(proces, 20000);
    r(Pročitaj(zapis) == L"0|" + regSvr, L"not waited, hidden, as formed: " + regSvr);
    for (const Ishod& ishod : {PokreniSkrivenoIČekaj(L"\"C:\\nema ga\\7za.exe\" e x"),
                               PokreniSkriveno(L"NemaGaNigdje.exe /s")})
        r(!ishod.pokrenut && ishod.id == 0 && !ishod.greška.empty() && ishod.greška.back() != L'\n',
          L"a missing program: the system's text, one line: " + ishod.greška);
}

} // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0); // a check that hangs still leaves the lines before it
    Rezultat r;
    Registar(r);
    Tekst(r);
    TraženjeProzora(r);
    Procesi(r);
    std::printf("%d passed, %d failed\n", r.prošlo, r.palo);
    return r.palo == 0 ? 0 : 1;
}
