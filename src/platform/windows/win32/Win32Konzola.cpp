#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

#include <cstdio>

namespace velkor::win32 {

namespace {

bool imaIzlaz(DWORD koji) {
    const HANDLE h = GetStdHandle(koji);
    return h != nullptr && h != INVALID_HANDLE_VALUE;
}

} // namespace

// Output redirected by the caller stays where it goes; otherwise the streams are
// bound to the console of the parent, when it has one.
void PrikvačiKonzoluRoditelja() {
    if (imaIzlaz(STD_OUTPUT_HANDLE) && imaIzlaz(STD_ERROR_HANDLE))
        return;
    const bool bezIzlaza = !imaIzlaz(STD_OUTPUT_HANDLE);
    const bool bezGrešaka = !imaIzlaz(STD_ERROR_HANDLE);
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    FILE* tok = nullptr;
    if (bezIzlaza)
        freopen_s(&tok, "CONOUT$", "w", stdout);
    if (bezGrešaka)
        freopen_s(&tok, "CONOUT$", "w", stderr);
}

// The console's output code page; without a console the OEM one, as the
// command processor reads a redirected output.
std::string UKodKonzole(const std::wstring& tekst) {
    if (tekst.empty())
        return {};
    UINT stranica = GetConsoleOutputCP();
    if (stranica == 0)
        stranica = GetOEMCP();
    const int duljina = WideCharToMultiByte(
        stranica, 0, tekst.data(), static_cast<int>(tekst.size()), nullptr, 0, nullptr, nullptr);
    std::string bajtovi(static_cast<size_t>(duljina), '\0');
    WideCharToMultiByte(stranica, 0, tekst.data(), static_cast<int>(tekst.size()), bajtovi.data(),
                        duljina, nullptr, nullptr);
    return bajtovi;
}

} // namespace velkor::win32
