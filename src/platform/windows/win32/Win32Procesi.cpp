#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

namespace velkor::win32 {

namespace {

// The child's standard output: a pipe read to its end while the child runs, so
// that a long output never blocks it; its input and errors go to NUL.
struct Cijev {
    HANDLE čitanje = nullptr;
    HANDLE pisanje = nullptr;
    HANDLE ništa = INVALID_HANDLE_VALUE;

    bool otvori(STARTUPINFOW& postava) {
        SECURITY_ATTRIBUTES nasljeđuje = {sizeof nasljeđuje, nullptr, TRUE};
        if (!CreatePipe(&čitanje, &pisanje, &nasljeđuje, 0))
            return false;
        SetHandleInformation(čitanje, HANDLE_FLAG_INHERIT, 0);
        ništa =
            CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        &nasljeđuje, OPEN_EXISTING, 0, nullptr);
        postava.dwFlags |= STARTF_USESTDHANDLES;
        postava.hStdInput = ništa;
        postava.hStdOutput = pisanje;
        postava.hStdError = ništa;
        return true;
    }
    // The parent's copies of the child's ends go, so the pipe ends with the child.
    void zatvoriDjetetove() {
        for (HANDLE* h : {&pisanje, &ništa})
            if (*h && *h != INVALID_HANDLE_VALUE)
                CloseHandle(*h);
        pisanje = nullptr;
        ništa = INVALID_HANDLE_VALUE;
    }
    void pročitaj(std::string& izlaz) {
        char komad[4096];
        DWORD pročitano = 0;
        while (ReadFile(čitanje, komad, sizeof komad, &pročitano, nullptr) && pročitano > 0)
            izlaz.append(komad, pročitano);
    }
    ~Cijev() {
        zatvoriDjetetove();
        if (čitanje)
            CloseHandle(čitanje);
    }
};

// The command line goes to the system as it was formed: no splitting, no quoting of
// ours, so the program's own parser sees every quote and blank (7-Zip's -o"dir\").
// With a program's full path, that file runs and the command line's first word is not
// searched for.
Ishod Pokreni(const std::wstring& naredbenaLinija, bool čekaj, DWORD vrijemeMs = INFINITE,
              const std::wstring& program = {}, bool pročitaj = false) {
    STARTUPINFOW postava = {};
    postava.cb = sizeof postava;
    postava.dwFlags = STARTF_USESHOWWINDOW;
    postava.wShowWindow = SW_HIDE;
    Cijev cijev;
    if (pročitaj && !cijev.otvori(postava))
        return {false, 0, TekstGreške(GetLastError())};
    PROCESS_INFORMATION proces = {};
    std::wstring linija = naredbenaLinija; // CreateProcessW may write into it
    if (!CreateProcessW(program.empty() ? nullptr : program.c_str(), linija.data(), nullptr,
                        nullptr, pročitaj ? TRUE : FALSE, 0, nullptr, nullptr, &postava, &proces))
        return {false, 0, TekstGreške(GetLastError())};
    Ishod ishod{true, proces.dwProcessId, {}, 0, false, {}};
    if (pročitaj) {
        cijev.zatvoriDjetetove();
        cijev.pročitaj(ishod.izlaz);
    }
    if (čekaj) {
        ishod.isteklo = WaitForSingleObject(proces.hProcess, vrijemeMs) == WAIT_TIMEOUT;
        if (ishod.isteklo) {
            TerminateProcess(proces.hProcess, 1);
            WaitForSingleObject(proces.hProcess, INFINITE);
        }
        GetExitCodeProcess(proces.hProcess, &ishod.izlazniKod);
    }
    CloseHandle(proces.hThread);
    CloseHandle(proces.hProcess);
    return ishod;
}

} // namespace

Ishod PokreniSkrivenoIČekaj(const std::wstring& naredbenaLinija, unsigned vrijemeMs) {
    return Pokreni(naredbenaLinija, true, vrijemeMs);
}

Ishod PokreniSkrivenoIPročitaj(const std::wstring& naredbenaLinija) {
    return Pokreni(naredbenaLinija, true, INFINITE, {}, true);
}

Ishod PokreniSkriveno(const std::wstring& naredbenaLinija) {
    return Pokreni(naredbenaLinija, false);
}

Ishod PokreniIzSustava(const std::wstring& program, const std::wstring& naredbenaLinija,
                       unsigned vrijemeMs) {
    const std::wstring direktorija = DirektorijaSustava();
    if (direktorija.empty())
        return {false, 0, TekstGreške(GetLastError())};
    return Pokreni(naredbenaLinija, true, vrijemeMs, direktorija + L"\\" + program);
}

} // namespace velkor::win32
