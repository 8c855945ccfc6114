#include "win32/Banner.h"

#include <objidl.h>
#include <shlwapi.h>

#include <algorithm>

// GDI+ uses the min and max macros of windows.h.
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "win32/ResourceIds.h"

namespace solvanex::win32 {

namespace {

// GDI+ for the life of the program once a picture has been asked for.
bool StartGdiPlus() {
  static const bool started = [] {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  return started;
}

}  // namespace

HBITMAP LoadPngResource(int id, int width, int height, COLORREF background) {
  if (!StartGdiPlus()) return nullptr;
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
  if (resource == nullptr) return nullptr;
  const HGLOBAL loaded = LoadResource(module, resource);
  const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
  const DWORD size = SizeofResource(module, resource);
  if (bytes == nullptr || size == 0) return nullptr;
  IStream* stream = SHCreateMemStream(bytes, size);
  if (stream == nullptr) return nullptr;
  HBITMAP result = nullptr;
  {
    Gdiplus::Bitmap picture(stream);
    if (picture.GetLastStatus() == Gdiplus::Ok) {
      Gdiplus::Bitmap scaled(width, height, PixelFormat32bppARGB);
      {
        Gdiplus::Graphics graphics(&scaled);
        graphics.Clear(
            Gdiplus::Color(GetRValue(background), GetGValue(background), GetBValue(background)));
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        graphics.DrawImage(&picture, 0, 0, width, height);
      }
      scaled.GetHBITMAP(
          Gdiplus::Color(GetRValue(background), GetGValue(background), GetBValue(background)),
          &result);
    }
  }
  stream->Release();
  return result;
}

HBITMAP LoadBanner(int width, int height) {
  return LoadPngResource(kBannerId, width, height, GetSysColor(COLOR_BTNFACE));
}

}  // namespace solvanex::win32
