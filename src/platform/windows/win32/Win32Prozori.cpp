#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

namespace velkor::win32 {

namespace {

HWND UHwnd(RučkaProzora prozor) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(prozor));
}

} // namespace

// The suite's programs are found by their ANSI titles; a title the code page cannot
// hold would be looked up with "?" in its place, so it finds nothing.
RučkaProzora NađiProzor(const std::wstring& naslov) {
    const auto ansi = UAnsi(naslov);
    if (!ansi)
        return 0;
    return reinterpret_cast<std::uintptr_t>(FindWindowA(nullptr, ansi->c_str()));
}

bool PošaljiPoruku1042(RučkaProzora prozor, unsigned vrijemeMs) {
    constexpr UINT Poruka = WM_USER + 18;
    DWORD nula = 0;
    DWORD_PTR odgovor = 0;
    return SendMessageTimeoutA(UHwnd(prozor), Poruka, 0, reinterpret_cast<LPARAM>(&nula),
                               SMTO_ABORTIFHUNG | SMTO_BLOCK, vrijemeMs, &odgovor) != 0;
}

bool JeMinimiziran(RučkaProzora prozor) {
    return IsIconic(UHwnd(prozor)) != FALSE;
}

void PrikažiMinimizirano(RučkaProzora prozor) {
    ShowWindow(UHwnd(prozor), SW_SHOWMINIMIZED);
}

} // namespace velkor::win32
