#include <new>
#include <string>

#include "platform/handheld.h"

namespace {

bool isUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '/' || c == ':';
}

// "file:///C:/folder/page.htm" for the path C:\folder\page.htm; everything
// but the plain characters is percent-encoded as UTF-8.
std::wstring fileUrl(const std::wstring& path) {
  std::wstring url = L"file:///";
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), nullptr, 0,
                                        nullptr, nullptr);
  if (bytes <= 0) return std::wstring();
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), &utf8[0], bytes, nullptr, nullptr);
  static const wchar_t kHex[] = L"0123456789ABCDEF";
  for (char byte : utf8) {
    const unsigned char c = byte == '\\' ? '/' : static_cast<unsigned char>(byte);
    if (isUnreserved(c)) {
      url += static_cast<wchar_t>(c);
    } else {
      url += L'%';
      url += kHex[c >> 4];
      url += kHex[c & 0xF];
    }
  }
  return url;
}

// Opens the help file beside the program at the topic's anchor, with the
// program registered for HTML files.  That program is asked for by name and
// given a URL, because opening the file itself would drop the anchor.
void openHelpPage(const std::wstring& topic) {
  const size_t anchor = topic.find(L'#');
  wchar_t page[MAX_PATH];
  if (!besideProgram(topic.substr(0, anchor).c_str(), page, MAX_PATH)) return;
  wchar_t browser[MAX_PATH] = L"";
  if (reinterpret_cast<INT_PTR>(FindExecutableW(page, nullptr, browser)) <= 32) return;
  const std::wstring url = fileUrl(page);
  if (url.empty()) return;
  const std::wstring argument = L"\"" + url + (anchor != std::wstring::npos ? topic.substr(anchor) : L"") + L"\"";
  ShellExecuteW(nullptr, L"open", browser, argument.c_str(), nullptr, SW_SHOWNORMAL);
}

}  // namespace

void startHelpViewer(const wchar_t* viewer, const wchar_t* topic) {
  try {
    // CreateProcessW may write into the command line, so it gets a copy.
    std::wstring commandLine(topic);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (viewer != nullptr && CreateProcessW(viewer, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                            &startup, &process)) {
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
      return;
    }
    openHelpPage(topic);
  } catch (const std::bad_alloc&) {
    // No memory for the texts: no help, as with any other failure.
  }
}
