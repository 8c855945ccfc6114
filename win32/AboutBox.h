// The About box: TAboutBox, the component the main window's About command calls, holding the
// product name, version and copyright line (each cut to 100 characters), and TFAbout, the
// dialog it creates for each showing: banner, the three texts, an engraved separator made of
// two line controls, the machine's memory figures and an OK button, shown modally.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "form/About.h"
#include "form/Services.h"
#include "platform/MemoryStatus.h"
#include "win32/BaseWindow.h"
#include "win32/Dpi.h"
#include "win32/LineControl.h"

namespace solvanex::win32 {

using MemoryStatusSource = std::function<platform::MemoryStatus()>;

class TFAbout : public BaseWindow {
 public:
  static constexpr wchar_t kClassName[] = L"SolvanexAbout";

  TFAbout(MemoryStatusSource memoryStatus, const Dpi& dpi);
  ~TFAbout() override;

  // Creates the dialog centred on the screen, owned by owner; runs FormCreate.
  void Create(HWND owner);
  void ShowTexts(const std::wstring& productName, const std::wstring& version,
                 const std::wstring& copyright);
  // Shows the dialog with owner disabled until it closes; returns then.
  void ShowModal();

  HWND Label(int index) const;  // 1 to 3
  HWND PhysMem() const { return lblPhysMem_; }
  HWND PhysRes() const { return lblPhysRes_; }
  HWND Button1() const { return button1_; }
  LineControl& Line1() { return line1_; }
  LineControl& Line2() { return line2_; }

  void Button1Click();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroyed() override { closed_ = true; }

 private:
  void FormCreate();
  HWND NewLabel(const form::about::LabelLayout& layout);
  void SetLabelText(HWND label, const std::wstring& text);
  void PaintBanner(HDC dc);

  MemoryStatusSource memoryStatus_;
  Dpi dpi_;
  HWND owner_ = nullptr;
  HFONT font_ = nullptr;
  HFONT bold_ = nullptr;
  HBITMAP banner_ = nullptr;
  HWND label1_ = nullptr, label2_ = nullptr, label3_ = nullptr;
  HWND lblPhysMem_ = nullptr, lblPhysRes_ = nullptr;
  HWND button1_ = nullptr;
  LineControl line1_;
  LineControl line2_;
  bool closed_ = false;
};

class TAboutBox : public AboutCommand {
 public:
  TAboutBox();
  static std::wstring DefaultCopyright();

  const std::wstring& ProductName() const { return productName_; }
  void SetProductName(const std::wstring& value);
  const std::wstring& Version() const { return version_; }
  void SetVersion(const std::wstring& value);
  const std::wstring& Copyright() const { return copyright_; }
  void SetCopyright(const std::wstring& value);

  void SetOwner(HWND owner) { owner_ = owner; }
  void SetMemoryStatusSource(MemoryStatusSource source) { memoryStatus_ = std::move(source); }
  void SetDpi(const Dpi& dpi) { dpi_ = dpi; }
  // Called with the dialog once it is built, before it is shown (tests look at it and close it).
  void SetShownObserver(std::function<void(TFAbout&)> observer) { observer_ = std::move(observer); }

  // Creates the dialog, shows it modally and frees it when it closes. A dialog that cannot be
  // created (a std::exception from its creation) only beeps.
  void Execute() override;

 private:
  std::wstring productName_;
  std::wstring version_;
  std::wstring copyright_;
  HWND owner_ = nullptr;
  MemoryStatusSource memoryStatus_ = platform::GlobalMemoryStatus;
  Dpi dpi_ = Dpi::OfScreen();
  std::function<void(TFAbout&)> observer_;
};

}  // namespace solvanex::win32
