#pragma once
// The auto-iconize settings: whether windows whose titles hold one of the
// user's texts are stored when found at start-up (and, optionally, whenever
// they are minimised), the texts themselves and how they are compared. One
// dialog lives hidden beside the main window for the whole run; the main
// window reads the rules from its controls as they are now, and hears of OK
// and Test through its notify command. Closing only hides it.
#include <windows.h>

#include <memory>

#include "app/keys/pure/HotKeyText.h"
#include "framework/base/Owners.h"
#include "framework/text/TString.h"
#include "framework/text/TTextList.h"
#include "framework/window/shapes/TShape.h"

class TAutoIconButtonColumn;
class TButtonRow;
class TCaptionLabel;
class TGroupElement;
class THotKeyField;
class TIconMenu;
class TSettingCheck;
class TTitleListElement;
class TWatchTimeElement;

constexpr int kAutoIconNotifyCommand = 1000;
constexpr int kNotifyRulesChanged = 1;   // after OK
constexpr int kNotifyTest = 401;         // the Test button

// The commands of the title list (buttons, context menu and keys).
constexpr int kAddTitleCommand = 301;
constexpr int kEditTitleCommand = 302;
constexpr int kCopyTitleCommand = 303;
constexpr int kDeleteTitleCommand = 304;

class TAutoIconDialog : public TShape {
 public:
  // Builds the elements, then loads the settings from ApplicationKeys().
  TAutoIconDialog();
  ~TAutoIconDialog() override;

  // Restores the remembered placement, enables and shows the dialog and
  // brings it to the front; an open dialog only comes to the front.
  void ShowSettings();

  // The rules as the controls show them now (saved or not).
  TTextList TitleList() const;  // in list order
  bool AutoIconOn() const;
  bool DistinguishCase() const;
  bool DistinguishWidth() const;
  bool PeriodicOn() const;
  int WatchTime() const;
  // The global keys as the fields show them now.
  THotKey StoreHotKey() const;
  THotKey RestoreHotKey() const;

  // The floating edit of an entry being edited in place; null otherwise.
  HWND TitleEditBox() const { return editBox_; }
  HWND TitleListBox() const;

  void OnInitialize() override;
  bool CanClose() override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSysCommand(WPARAM command, int x, int y) override;
  LRESULT OnCommand(int id, HWND control, int code) override;
  void OnElementChange(void* element) override;

 private:
  void Accept();
  void Cancel();
  void Test();
  void Hide();
  void AddTitle();
  void EditTitle();
  void CopyTitle();
  void DeleteTitle();
  // Appends `text`, numbered until no entry holds it, and edits it in place.
  void AddAndEdit(const TString& text);
  // Edits entry `index`, which shows `working`. `added`: the entry exists
  // only for this edit and goes again when the edit is cancelled; the entry
  // that was current before it (`previous`) is then current again.
  void EditInPlace(int index, const TString& working, bool added, const TString& previous);
  bool AskAboutDuplicate();
  // Both keys are the same one: OK keeps the dialog open.
  void ShowSameKeysError();
  RECT EditBoxRectangle(int index) const;
  void UpdateEnabling();
  bool SwitchOn() const;
  int CurrentIndex() const;
  bool CommandUsable(int id) const;
  void ShowListMenu(int x, int y);
  void MakeListMenu();
  void ArrangeTabOrder();
  void KeepDeleteKey(bool on);
  void NotifyOwner(int code);

  // The elements, owned by the content.
  TButtonRow* mainButtons_ = nullptr;
  TSettingCheck* switch_ = nullptr;
  TGroupElement* options_ = nullptr;
  TAutoIconButtonColumn* editButtons_ = nullptr;
  TCaptionLabel* listCaption_ = nullptr;
  TTitleListElement* titles_ = nullptr;
  TSettingCheck* letter_ = nullptr;
  TSettingCheck* charSize_ = nullptr;
  TCaptionLabel* watchLabel_ = nullptr;
  TWatchTimeElement* watchTime_ = nullptr;
  TSettingCheck* periodic_ = nullptr;
  THotKeyField* storeHotKey_ = nullptr;
  THotKeyField* restoreHotKey_ = nullptr;
  // The menu first: its item objects go before it.
  TMenuHandle listMenu_;
  std::unique_ptr<TIconMenu> listIcons_;
  HWND editBox_ = nullptr;
  bool editing_ = false;
};
