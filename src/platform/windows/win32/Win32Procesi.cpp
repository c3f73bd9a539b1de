#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

namespace velkor::win32 {

namespace {

// The command line goes to the system as it was formed: no splitting, no quoting of
// ours, so the program's own parser sees every quote and blank (7-Zip's -o"dir\").
Ishod Pokreni(const std::wstring& naredbenaLinija, bool čekaj) {
    STARTUPINFOW postava = {};
    postava.cb = sizeof postava;
    postava.dwFlags = STARTF_USESHOWWINDOW;
    postava.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION proces = {};
    std::wstring linija = naredbenaLinija; // CreateProcessW may write into it
    if (!CreateProcessW(nullptr, linija.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &postava, &proces))
        return {false, 0, TekstGreške(GetLastError())};
    DWORD izlazniKod = 0;
    if (čekaj) {
        WaitForSingleObject(proces.hProcess, INFINITE);
        GetExitCodeProcess(proces.hProcess, &izlazniKod);
    }
    CloseHandle(proces.hThread);
    CloseHandle(proces.hProcess);
    return {true, proces.dwProcessId, {}, izlazniKod};
}

} // namespace

Ishod PokreniSkrivenoIČekaj(const std::wstring& naredbenaLinija) {
    return Pokreni(naredbenaLinija, true);
}

Ishod PokreniSkriveno(const std::wstring& naredbenaLinija) {
    return Pokreni(naredbenaLinija, false);
}

} // namespace velkor::win32
