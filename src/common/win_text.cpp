#include "common/win_text.h"

namespace trm {

namespace {

bool toWide(const std::string& text, UINT codePage, std::wstring& wide) {
    wide.clear();
    if (text.empty()) return true;
    const int length = static_cast<int>(text.size());
    const int size = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (size <= 0) return false;
    wide.resize(static_cast<size_t>(size));
    return ::MultiByteToWideChar(codePage, 0, text.data(), length, &wide[0], size) == size;
}

bool toNarrow(const std::wstring& wide, UINT codePage, std::string& text) {
    text.clear();
    if (wide.empty()) return true;
    const int length = static_cast<int>(wide.size());
    // No best fit: a character the code page lacks must not turn into a
    // look-alike that names another file.
    DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int size = ::WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0 && flags != 0) {
        // Some code pages take no flags at all.
        flags = 0;
        size = ::WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
    }
    if (size <= 0) return false;
    text.resize(static_cast<size_t>(size));
    return ::WideCharToMultiByte(codePage, flags, wide.data(), length, &text[0], size, nullptr, nullptr) == size;
}

}  // namespace

std::wstring wideOf(const std::string& text, UINT codePage) {
    std::wstring wide;
    toWide(text, codePage, wide);
    return wide;
}

std::string narrowOf(const std::wstring& text, UINT codePage) {
    std::string narrow;
    toNarrow(text, codePage, narrow);
    return narrow;
}

std::string convertCodePage(const std::string& text, UINT from, UINT to) {
    std::wstring wide;
    std::string converted;
    if (!toWide(text, from, wide) || !toNarrow(wide, to, converted)) return text;
    return converted;
}

UINT systemLocaleCodePage() {
    DWORD codePage = 0;
    const int got = ::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                     reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR));
    if (got == 0 || !::IsValidCodePage(codePage)) return 0;
    return codePage;
}

}  // namespace trm
