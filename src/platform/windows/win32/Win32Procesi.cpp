#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

namespace velkor::win32 {

namespace {

// The command line goes to the system as it was formed: no splitting, no quoting of
// ours, so the program's own parser sees every quote and blank (7-Zip's -o"dir\").
// With a program's full path, that file runs and the command line's first word is not
// searched for.
Ishod Pokreni(const std::wstring& naredbenaLinija, bool čekaj, DWORD vrijemeMs = INFINITE,
              const std::wstring& program = {}) {
    STARTUPINFOW postava = {};
    postava.cb = sizeof postava;
    postava.dwFlags = STARTF_USESHOWWINDOW;
    postava.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION proces = {};
    std::wstring linija = naredbenaLinija; // CreateProcessW may write into it
    if (!CreateProcessW(program.empty() ? nullptr : program.c_str(), linija.data(), nullptr,
                        nullptr, FALSE, 0, nullptr, nullptr, &postava, &proces))
        return {false, 0, TekstGreške(GetLastError())};
    DWORD izlazniKod = 0;
    bool isteklo = false;
    if (čekaj) {
        isteklo = WaitForSingleObject(proces.hProcess, vrijemeMs) == WAIT_TIMEOUT;
        if (isteklo) {
            TerminateProcess(proces.hProcess, 1);
            WaitForSingleObject(proces.hProcess, INFINITE);
        }
        GetExitCodeProcess(proces.hProcess, &izlazniKod);
    }
    CloseHandle(proces.hThread);
    CloseHandle(proces.hProcess);
    return {true, proces.dwProcessId, {}, izlazniKod, isteklo};
}

} // namespace

Ishod PokreniSkrivenoIČekaj(const std::wstring& naredbenaLinija, unsigned vrijemeMs) {
    return Pokreni(naredbenaLinija, true, vrijemeMs);
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
