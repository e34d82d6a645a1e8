#pragma once
// Every question, warning and error of the program is a message shape: an
// icon, a text, a row of icon buttons and, where wanted, a check box that
// stops the message from being shown again. Each message has a key that
// names its remembered placement ("Serialize") and its remembered answer
// ("WithoutStereotype"). The result is the id of the button that closed it.
#include <windows.h>

#include <cstdarg>
#include <initializer_list>
#include <memory>
#include <vector>

#include "framework/text/TString.h"
#include "framework/window/controls/ButtonDescriptor.h"
#include "framework/window/elements/CheckElement.h"
#include "framework/window/shapes/TElement.h"

class TWindow;
class TIconSource;

// What a caller gives for one button: id (IDOK, IDCANCEL, IDRETRY, IDHELP),
// caption with its keyword, the name of the program's icon resource.
struct TButtonSpec {
  int id;
  TString caption;
  const char* iconName;
  bool enabled = true;
  int helpId = -1;
  TIconSource* icon = nullptr;  // an icon from elsewhere, used when there is no icon name
};

// A row of icon push buttons, 88 x 21 and 6 apart; the first is the default
// unless the shape already has one. A button closes the shape with its id,
// except Help, which opens the help file at the button's help id.
class TButtonRow : public TElement {
 public:
  explicit TButtonRow(std::initializer_list<TButtonSpec> buttons);
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  bool OnCommand(int id, HWND control, int code) override;
  void Enable(bool on) override;

  const std::vector<TButtonDescriptor>& Buttons() const { return buttons_; }

 private:
  std::vector<TButtonDescriptor> buttons_;
  std::vector<bool> enabled_;
  std::vector<int> helpIds_;
  std::vector<int> widths_;  // as measured: 88, or more for a long caption
  TShape* shape_ = nullptr;
};

// Orientation 3 (bottom, centred) is the one messages use.
std::unique_ptr<TButtonRow> MakeButtonRow(int orientation, std::initializer_list<TButtonSpec> buttons);

// An icon drawn on the message, with the sound that belongs to it.
class TIconElement : public TElement {
 public:
  // `sound` is the alias to play, or null for an icon that plays only when forced.
  TIconElement(TIconSource* icon, const char* sound);
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  void Paint(TShape& shape, HDC dc) override;
  void OnShow(TShape& shape, bool shown) override;
  const char* Sound() const { return sound_; }

 private:
  TIconSource* icon_;
  const char* sound_;
  int x_ = 0;
  int y_ = 0;
};

// The shared icon elements, one each for the whole run.
TIconElement* InformationIcon();
TIconElement* WarningIcon();
TIconElement* QuestionIcon();
TIconElement* ErrorIcon();
TIconElement* CureIcon();
TIconElement* ApplicationIcon();
TIconElement* WindowsLogoIcon();

// The icon's sound, unless the user turned sounds off ("Control Panel\Sound"
// "Beep" = "No" or "いいえ") and it is not forced; icons without a sound of
// their own play ".Default" only when forced. True when a sound started.
bool PlayIconSound(const TIconElement& icon, bool force);
// The alias PlayIconSound would play, or null when it plays nothing.
const char* IconSoundAlias(const TIconElement& icon, bool force);

// The check box "do not show this message from next time", named by the
// message key. A remembered answer skips the message (Shift shows it ticked).
class TStereotypeCheck : public TCheckElement {
 public:
  explicit TStereotypeCheck(const TString& key);
  // Its answer lives in "WithoutStereotype", read when built and written
  // when closed; the dialog's own settings never carry it.
  void Save(const TRegKeyList&) override {}
  void Load(const TRegKeyList&) override {}
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  void OnClose(TShape& shape) override;
  DWORD RememberedAnswer() const { return answer_; }

 private:
  TString ValueName(const TShape& shape) const;

  DWORD answer_ = 0;
  bool skip_ = false;
};

std::unique_ptr<TStereotypeCheck> MakeStereotypeCheck(const TString& key);

// The message: `elements` (button row, icon-and-text group, check box if
// wanted) end with a null pointer; the caller keeps them alive. The owner's
// window becomes the shape's owner (null for none).
int MessageShape(const TWindow* owner, const char* key, ...);
int MessageShapeV(const TWindow* owner, const char* key, va_list elements);
int MessageShapeTitled(const TWindow* owner, const char* key, const char* title, ...);
int MessageShapeTitledV(const TWindow* owner, const char* key, const char* title, va_list elements);
