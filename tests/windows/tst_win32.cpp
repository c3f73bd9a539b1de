// The Win32 layer under Wine, without Qt: one line per failed check, then the totals.
#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace velkor::win32;
using namespace std::string_literals;

namespace {

struct Rezultat {
    int prošlo = 0, palo = 0;
    void operator()(bool uvjet, const std::wstring& opis) {
        uvjet ? ++prošlo : ++palo;
        if (!uvjet)
            std::printf("FAIL: %s\n", UUtf8(opis).c_str());
    }
};

// A registry value as stored: its type, then its bytes.
std::string Sirovo(const std::wstring& ključ, const wchar_t* ime) {
    char podaci[512] = {};
    DWORD vrsta = 0, veličina = sizeof podaci;
    RegGetValueW(HKEY_CURRENT_USER, ključ.c_str(), ime, RRF_RT_ANY, &vrsta, podaci, &veličina);
    return std::to_string(vrsta) + ":" + std::string(podaci, veličina);
}

void Registar(Rezultat& r) {
    // The prefix outlives a run: the keys are to be created afresh each time.
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Seagate Software");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings");
    const std::wstring crystal =
        L"Software\\Seagate Software\\Crystal Reports Designer Component\\Export";
    r(ZapišiDWORD(L"HKCU\\" + crystal + L"\\BitMapMagnifNumerator", 12) &&
          Sirovo(crystal, L"BitMapMagnifNumerator") == "4:\x0C\0\0\0"s &&
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

void Prozori(Rezultat& r) {
    for (const auto& [naslov, stil] : {std::pair{L"Financijsko knjigovodstvo 22", 0L},
                                       {L"Plaće 22 - Firma d.o.o.", 0L},
                                       {L"Velkor pomoć", WS_MINIMIZE},
                                       {L"Velkor ?", 0L}})
        CreateWindowExW(0, L"STATIC", naslov, WS_OVERLAPPEDWINDOW | WS_VISIBLE | stil, 0, 0, 300,
                        100, nullptr, nullptr, nullptr, nullptr);
    for (const auto& [naslov, ima] : {std::pair{L"FINANCIJSKO KNJIGOVODSTVO 22", true},
                                      {L"Plaće 22", false},
                                      {L"VELKOR POMOĆ", true},
                                      {L"Velkor 漢", false}}) // not in cp1250: not "Velkor ?"
        r((NađiProzor(naslov) != 0) == ima, L"window lookup: " + std::wstring(naslov));
    PrikažiMinimizirano(NađiProzor(L"Velkor pomoć"));
    r(JeMinimiziran(NađiProzor(L"Velkor pomoć")) &&
          !JeMinimiziran(NađiProzor(L"Financijsko knjigovodstvo 22")),
      L"minimised: the iconic window only");
    r(UAnsi(IzUtf8("čćžšđ ČĆŽŠĐ")) == "\xE8\xE6\x9E\x9A\xF0 \xC8\xC6\x8E\x8A\xD0" &&
          UUtf8(IzAnsija("\xE8\xE6\x9E\x9A\xF0")) == "čćžšđ",
      L"cp1250 both ways");
}

// The window of another program, whose thread does not answer: found, and left in time.
bool OstavljenZaglavljeni() {
    const auto početak = std::chrono::steady_clock::now();
    const RučkaProzora prozor = NađiProzor(L"Blagajna 22");
    return prozor && !PošaljiPoruku1042(prozor, 300) &&
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
    const std::filesystem::path ovdje = std::filesystem::path(put).parent_path();
    const std::wstring mapa = ovdje / L"Velkor šifre", zapis = mapa + L"\\zapis.txt";
    std::filesystem::create_directory(mapa);
    CopyFileW((ovdje / L"dijete.exe").c_str(), (mapa + L"\\dijete.exe").c_str(), FALSE);
    std::filesystem::remove(zapis);
    SetEnvironmentVariableW(L"VELKOR_ZAPIS", zapis.c_str());
    HANDLE znak = CreateEventW(nullptr, TRUE, TRUE, L"VelkorDijete");
    HANDLE prozorOtvoren = CreateEventW(nullptr, TRUE, FALSE, L"VelkorProzor");
    const std::wstring dijete = L"\"" + mapa + L"\\dijete.exe\"";
    const std::wstring sedamZip =
        dijete + L" e \"C:\\P\\Update\\Obračun.7z\" -aoa -o\"C:\\P\\Update\\\"";
    const Ishod čekan = PokreniSkrivenoIČekaj(sedamZip);
    r(čekan.pokrenut && čekan.izlazniKod == 7 && Pročitaj(zapis) == L"0|" + sedamZip,
      L"waited, hidden, as formed, exit code: " + sedamZip);
    ResetEvent(znak); // the next child waits for it, with a window that does not answer
    SetEnvironmentVariableW(L"VELKOR_PROZOR", L"Blagajna 22");
    const std::wstring regSvr = dijete + L" \"C:\\Velkor software\\Grid.ocx\" /u /s";
    HANDLE proces = OpenProcess(SYNCHRONIZE, FALSE, PokreniSkriveno(regSvr).id);
    r(WaitForSingleObject(prozorOtvoren, 20000) == WAIT_OBJECT_0 && OstavljenZaglavljeni() &&
          WaitForSingleObject(proces, 0) == WAIT_TIMEOUT,
      L"not waited for; a window that does not answer is found and left");
    SetEvent(znak);
    WaitForSingleObject(proces, 20000);
    r(Pročitaj(zapis) == L"0|" + regSvr, L"not waited, hidden, as formed: " + regSvr);
    for (const Ishod& ishod : {PokreniSkrivenoIČekaj(L"\"C:\\nema ga\\7za.exe\" e x"),
                               PokreniSkriveno(L"NemaGaNigdje.exe /s")})
        r(!ishod.pokrenut && !ishod.greška.empty() && ishod.greška.back() != L'\n',
          L"a missing program: the system's text, one line: " + ishod.greška);
}

} // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0); // a check that hangs leaves the lines before it
    Rezultat r;
    Registar(r);
    Prozori(r);
    Procesi(r);
    std::printf("%d passed, %d failed\n", r.prošlo, r.palo);
    return r.palo == 0 ? 0 : 1;
}
