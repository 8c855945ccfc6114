#include "win32/Banner.h"

#include <objidl.h>

#include "win32/ResourceIds.h"

namespace solvanex::win32 {

namespace {

// The few entries of GDI+'s flat interface that decode a PNG, and the memory stream they read,
// looked up when a picture is first asked for: linking GDI+ or the shell's helpers would load
// them at every start, before the window's first painting, which needs no picture.
struct GdiPlus {
  struct StartupInput {
    UINT32 version = 1;
    void* debugCallback = nullptr;
    BOOL suppressBackgroundThread = FALSE;
    BOOL suppressExternalCodecs = FALSE;
  };
  using Startup = int(WINAPI*)(ULONG_PTR*, const StartupInput*, void*);
  using FromStream = int(WINAPI*)(IStream*, void**);
  using ToHBitmap = int(WINAPI*)(void*, HBITMAP*, DWORD);
  using Dispose = int(WINAPI*)(void*);
  using MemoryStream = IStream*(WINAPI*)(const BYTE*, UINT);

  MemoryStream memoryStream = nullptr;
  FromStream fromStream = nullptr;
  ToHBitmap toHBitmap = nullptr;
  Dispose dispose = nullptr;

  static const GdiPlus* Loaded() {
    static const GdiPlus gdiPlus = [] {
      GdiPlus entries;
      const HMODULE shell = LoadLibraryExW(L"shlwapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
      if (shell == nullptr) return entries;
      const auto memoryStream = reinterpret_cast<MemoryStream>(
          reinterpret_cast<void*>(GetProcAddress(shell, "SHCreateMemStream")));
      if (memoryStream == nullptr) return entries;
      const HMODULE library = LoadLibraryW(L"gdiplus.dll");
      if (library == nullptr) return entries;
      const auto startup = reinterpret_cast<Startup>(
          reinterpret_cast<void*>(GetProcAddress(library, "GdiplusStartup")));
      ULONG_PTR token = 0;
      const StartupInput input;
      if (startup == nullptr || startup(&token, &input, nullptr) != 0) return entries;
      entries.memoryStream = memoryStream;
      entries.fromStream = reinterpret_cast<FromStream>(
          reinterpret_cast<void*>(GetProcAddress(library, "GdipCreateBitmapFromStream")));
      entries.toHBitmap = reinterpret_cast<ToHBitmap>(
          reinterpret_cast<void*>(GetProcAddress(library, "GdipCreateHBITMAPFromBitmap")));
      entries.dispose = reinterpret_cast<Dispose>(
          reinterpret_cast<void*>(GetProcAddress(library, "GdipDisposeImage")));
      return entries;
    }();
    return gdiPlus.memoryStream != nullptr && gdiPlus.fromStream != nullptr &&
                   gdiPlus.toHBitmap != nullptr && gdiPlus.dispose != nullptr
               ? &gdiPlus
               : nullptr;
  }
};

// The picture decoded at its own size over background (as 0xAARRGGBB).
HBITMAP Decode(const BYTE* bytes, DWORD size, COLORREF background) {
  const GdiPlus* gdiPlus = GdiPlus::Loaded();
  if (gdiPlus == nullptr) return nullptr;
  IStream* stream = gdiPlus->memoryStream(bytes, size);
  if (stream == nullptr) return nullptr;
  HBITMAP bitmap = nullptr;
  void* image = nullptr;
  if (gdiPlus->fromStream(stream, &image) == 0 && image != nullptr) {
    const DWORD argb = 0xFF000000u | (GetRValue(background) << 16) | (GetGValue(background) << 8) |
                       GetBValue(background);
    if (gdiPlus->toHBitmap(image, &bitmap, argb) != 0) bitmap = nullptr;
    gdiPlus->dispose(image);
  }
  stream->Release();
  return bitmap;
}

}  // namespace

HBITMAP LoadPngResource(const wchar_t* name, int width, int height, COLORREF background) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC resource = FindResourceW(module, name, RT_RCDATA);
  if (resource == nullptr) return nullptr;
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
  const DWORD size = SizeofResource(module, resource);
  if (bytes == nullptr || size == 0) return nullptr;
  const HBITMAP decoded = Decode(bytes, size, background);
  if (decoded == nullptr) return nullptr;
  // Scaled to the size asked for, smoothly.
  BITMAP info{};
  GetObjectW(decoded, sizeof info, &info);
  const HDC screen = GetDC(nullptr);
  const HDC source = CreateCompatibleDC(screen);
  const HDC target = CreateCompatibleDC(screen);
  const HBITMAP scaled = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ oldSource = SelectObject(source, decoded);
  const HGDIOBJ oldTarget = SelectObject(target, scaled);
  SetStretchBltMode(target, HALFTONE);
  SetBrushOrgEx(target, 0, 0, nullptr);
  StretchBlt(target, 0, 0, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(source, oldSource);
  SelectObject(target, oldTarget);
  DeleteDC(source);
  DeleteDC(target);
  ReleaseDC(nullptr, screen);
  DeleteObject(decoded);
  return scaled;
}

HBITMAP LoadBanner(int width, int height) {
  return LoadPngResource(MAKEINTRESOURCEW(kBannerId), width, height, GetSysColor(COLOR_BTNFACE));
}

}  // namespace solvanex::win32
