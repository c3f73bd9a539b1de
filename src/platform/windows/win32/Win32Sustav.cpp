#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

namespace velkor::win32 {

// A buffer of 255 characters, cut to the length the query reports.
std::optional<std::wstring> ImeRačunala() {
    wchar_t ime[256] = {};
    DWORD duljina = 255;
    if (!GetComputerNameW(ime, &duljina))
        return std::nullopt;
    return std::wstring(ime, duljina);
}

// 255 characters offered, the name cut before its first NUL.
std::optional<std::wstring> ImeKorisnika() {
    wchar_t ime[256] = {};
    DWORD duljina = 255;
    if (!GetUserNameW(ime, &duljina))
        return std::nullopt;
    return std::wstring(ime);
}

std::wstring VarijablaOkoline(const std::wstring& ime) {
    // Asked once for the size it needs (with its NUL), then for the text.
    const DWORD potrebno = GetEnvironmentVariableW(ime.c_str(), nullptr, 0);
    if (potrebno == 0)
        return {};
    std::wstring vrijednost(potrebno, L'\0');
    const DWORD duljina = GetEnvironmentVariableW(ime.c_str(), vrijednost.data(), potrebno);
    vrijednost.resize(duljina < potrebno ? duljina : 0); // changed meanwhile: as if not set
    return vrijednost;
}

std::wstring DirektorijaSustava() {
    wchar_t put[MAX_PATH + 1] = {};
    const UINT duljina = GetSystemDirectoryW(put, MAX_PATH + 1);
    return duljina && duljina <= MAX_PATH ? std::wstring(put, duljina) : std::wstring();
}

std::wstring TekstGreške(unsigned long broj) {
    wchar_t* tekst = nullptr;
    const DWORD duljina = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, broj, 0, reinterpret_cast<wchar_t*>(&tekst), 0, nullptr);
    std::wstring rezultat =
        duljina ? std::wstring(tekst, duljina) : L"Greška " + std::to_wstring(broj) + L".";
    LocalFree(tekst);
    // The text goes into one log line: no line break of the system's at its end.
    while (!rezultat.empty() &&
           (rezultat.back() == L'\r' || rezultat.back() == L'\n' || rezultat.back() == L' '))
        rezultat.pop_back();
    return rezultat;
}

} // namespace velkor::win32
