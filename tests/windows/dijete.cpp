// The child of the process checks: writes how it was asked to show itself (-1: not asked)
// and its command line as it arrived into the file VELKOR_ZAPIS names, and ends with 7; with
// VELKOR_PROZOR, it first opens a window of that title and, waiting, leaves it unanswered.
#include <cstdio>
#include <string>
#include <windows.h>

int main() {
    if (const wchar_t* naslov = _wgetenv(L"VELKOR_PROZOR")) {
        CreateWindowExW(0, L"STATIC", naslov, WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr,
                        nullptr, nullptr);
        SetEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, L"VelkorProzor"));
    }
    if (HANDLE znak = OpenEventW(SYNCHRONIZE, FALSE, L"VelkorDijete"))
        WaitForSingleObject(znak, 20000);
    STARTUPINFOW postava = {};
    GetStartupInfoW(&postava);
    const int prikaz = postava.dwFlags & STARTF_USESHOWWINDOW ? postava.wShowWindow : -1;
    const std::wstring zapis = std::to_wstring(prikaz) + L"|" + GetCommandLineW();
    FILE* datoteka = _wfopen(_wgetenv(L"VELKOR_ZAPIS"), L"wb");
    std::fwrite(zapis.data(), sizeof(wchar_t), zapis.size(), datoteka);
    std::fclose(datoteka);
    return 7;
}
