#pragma once
// A field for the name of a file or folder in a dialog: a caption, the
// drop-down field of names used before, and a browse button that asks the
// system's dialog. The names come either from values named by the dialog
// (a text value and a numbered list below the dialog's keys) or, when no
// list is named, from the framework's shared store of recent names ("MRU"
// below the library keys: one key per extension, or "Folder"), merged with
// the user's recent documents. See pure/RecentNames.h for the store's rules.
#include <windows.h>

#include <string>

#include "framework/text/TString.h"
#include "framework/text/TTextList.h"
#include "framework/window/controls/ButtonDescriptor.h"
#include "framework/window/dropdown/ComboElement.h"

class TNamePicker : public TOwnerDrawComboboxElement {
 public:
  // The most the edit takes, in bytes.
  static constexpr int kTextLimit = MAX_PATH;
  // Entries a named history keeps when saved.
  static constexpr int kNamedHistoryLimit = 20;
  static constexpr int kButtonGap = 6;
  static constexpr int kMinimumHeight = 21;

  ~TNamePicker() override;

  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  bool OnCommand(int id, HWND control, int code) override;
  void Enable(bool on) override;
  void Save(const TRegKeyList& keys) override;
  void Load(const TRegKeyList& keys) override;

  // The text as typed (the edit's once created), and its replacement, which
  // shows the text's icon.
  TString Text() const { return ControlText(); }
  void SetText(const TString& text);
  // History() and AddToHistory() come from the history element.

  int ControlId() const { return controlId_; }
  HWND CaptionWindow() const { return caption_.handle; }
  HWND BrowseButton() const { return button_.handle; }
  const TString& TextValueName() const { return textValueName_; }
  const TString& ListValueName() const { return listValueName_; }
  // The key below the library keys that a save of `text` goes to.
  virtual TString StoreKeyName(const TString& text) const = 0;
  // Opens the system's dialog; true when the user chose a name, which then
  // is the text.
  bool Browse();

 protected:
  // `controlId` becomes the edit's id when not 0 (the shape's counter never
  // gives ids that low). Empty value names keep nothing of their kind.
  TNamePicker(int controlId, const TString& caption, const TString& initialText, const TString& title,
              const TString& textValueName, const TString& listValueName, int editWidth, int listHeight);

  // The names of the shared store into the history.
  virtual void LoadShared() = 0;
  // The system's dialog starting from `name`, which it replaces on OK.
  virtual bool ChooseName(TString& name) = 0;
  // The file's icon: entries always, the field's text only once typing stops
  // (the edit loses the focus), so that a keystroke does not probe the disk.
  TIconSource* IconFor(const TString& text) override;

  HWND OwnerWindow() const;
  const TString& Title() const { return title_; }

 private:
  struct TCaption {
    HWND handle = nullptr;  // first: the transparent binding stores its address
  };
  void LoadNamed(const TRegKeyList& keys);
  void SaveNamed(const TRegKeyList& keys);
  void SaveShared(const TRegKeyList& keys);
  void ShowTextIcon();

  int controlId_;
  TString captionText_;
  TString initialText_;
  TString title_;
  TString textValueName_;
  TString listValueName_;
  TCaption caption_;
  TButtonDescriptor button_;
  TShape* shape_ = nullptr;
  int captionWidth_ = 0;
  int fieldWidth_ = 0;
  int buttonWidth_ = 0;
  int height_ = kMinimumHeight;
  bool typing_ = false;
};

class TFileNamePicker : public TNamePicker {
 public:
  // `filter` is the dialog's block of (description, pattern) pairs, given
  // with its byte count; `defaultExtension` has no dot.
  TFileNamePicker(int controlId, const TString& initialText, const char* filter, size_t filterBytes,
                  const TString& defaultExtension, const TString& title, const TString& textValueName,
                  const TString& listValueName, int editWidth = 240, int listHeight = 120);

  // Each mask's extension, once: "exe" for "*.exe", "*" for "*.*".
  const TTextList& Extensions() const { return extensions_; }
  // "MRU\.<lower-case extension>", "MRU\." for a name without one.
  TString StoreKeyName(const TString& text) const override;

 protected:
  void LoadShared() override;
  bool ChooseName(TString& name) override;

 private:
  std::string filter_;  // ends with two NULs
  TString defaultExtension_;
  TTextList extensions_;
};

class TFolderNamePicker : public TNamePicker {
 public:
  TFolderNamePicker(int controlId, const TString& initialText, const TString& title, const TString& textValueName,
                    const TString& listValueName, int editWidth = 240, int listHeight = 120);
  // "MRU\Folder".
  TString StoreKeyName(const TString& text) const override;

 protected:
  void LoadShared() override;
  bool ChooseName(TString& name) override;
};

// The value name a save made now by `picker` gets (RecentNameStamp of the
// local time).
TString RecentNameStampNow(const void* picker);
