// GDI+ library loading, start-up and shut-down, status and text conversion.
#include "gdiplus/native_wrapper.h"

#include <algorithm>
#include <vector>

namespace gdip {

int LastGdipStatus = 0;
ULONG_PTR StartupToken = 0;

namespace {

// Tokens handed out by StartGdiplus and not yet shut down.
std::vector<ULONG_PTR>& LiveTokens() {
  static std::vector<ULONG_PTR> tokens;
  return tokens;
}

}  // namespace

namespace flat {

FARPROC Find(const char* name) {
  // Loaded once and kept for the life of the process.
  static const HMODULE library = LoadLibraryA("gdiplus.dll");
  return library ? GetProcAddress(library, name) : nullptr;
}

}  // namespace flat

ULONG_PTR StartGdiplus(std::optional<uint32_t> version) {
  Gdiplus::GdiplusStartupInput input;  // zero-filled apart from the version
  input.GdiplusVersion = version.value_or(1);
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  ULONG_PTR token = 0;
  flat::Invoke(GDIP_RESOLVE(::Gdiplus::GdiplusStartup, "GdiplusStartup"), &token, &input, nullptr);
  if (token != 0) LiveTokens().push_back(token);
  StartupToken = token;
  return token;
}

void StopGdiplus(std::optional<ULONG_PTR> token) {
  ULONG_PTR chosen = 0;
  if (token) {
    chosen = *token;
  } else {
    chosen = StartupToken;
    StartupToken = 0;
  }
  auto& live = LiveTokens();
  const auto found = std::find(live.begin(), live.end(), chosen);
  if (chosen == 0 || found == live.end()) return;
  live.erase(found);
  if (const auto shutdown = GDIP_RESOLVE(::Gdiplus::GdiplusShutdown, "GdiplusShutdown")) shutdown(chosen);
}

runtime::ByteSet ToWideText(std::string_view text) {
  // One code unit more than the converted text: the zero fill supplies the terminator.
  const int needed = text.empty() ? 0
                                   : MultiByteToWideChar(CP_ACP, 0, text.data(),
                                                         static_cast<int>(text.size()), nullptr, 0);
  runtime::ByteSet wide(static_cast<size_t>((needed > 0 ? needed + 1 : 1)) * sizeof(WCHAR));
  if (needed > 0) {
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<WCHAR*>(wide.Data()), needed);
  }
  return wide;
}

int WideLength(const runtime::ByteSet& wide) {
  return wide.Empty() ? 0 : lstrlenW(WideData(wide));
}

const WCHAR* WideData(const runtime::ByteSet& wide) {
  return wide.Empty() ? nullptr : reinterpret_cast<const WCHAR*>(wide.Data());
}

void* NativeWrapper::Alloc(size_t size) {
  const auto alloc = GDIP_FLAT(GdipAlloc);
  return alloc ? alloc(size) : nullptr;
}

void NativeWrapper::Free(void* pointer) {
  if (const auto free = GDIP_FLAT(GdipFree)) free(pointer);
}

}  // namespace gdip
