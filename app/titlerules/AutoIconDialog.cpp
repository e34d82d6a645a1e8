#include <windows.h>

#include "app/titlerules/AutoIconDialog.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/AppState.h"
#include "app/keys/HotKeyField.h"
#include "app/titlerules/AutoIconElements.h"
#include "app/titlerules/AutoIconTitleList.h"
#include "app/titlerules/AutoIconWatchTime.h"
#include "app/titlerules/pure/AutoIconTitles.h"
#include "framework/icons/IconFactories.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/controls/FloatingEdit.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/menus/IconMenu.h"

namespace {

constexpr char kTitle[] = "自動ｱｲｺﾝ化設定";
constexpr char kSettingsName[] = "AutoIcon";
constexpr char kNewTitle[] = "新しい文字列";
constexpr int kListWidth = 282;
constexpr int kListHeight = 88;
constexpr int kListCaptionWidth = 288;
// Room between the list and its buttons, and after the first matching option.
constexpr int kColumnGap = 8;
constexpr int kOptionGap = 16;
// Where the floating edit lies over an entry: its text then starts where the
// entry's own text does.
constexpr int kEditLeft = 22;
constexpr int kEditTop = 4;
constexpr int kHotKeyCaptionWidth = 232;

void EnableCommand(HMENU menu, UINT command, bool on) {
  if (menu != nullptr) EnableMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_ENABLED : (MF_GRAYED | MF_DISABLED)));
}

// A button's notice, an accelerator (code 1) or a menu item (code 0): a
// double click on an owner-drawn button is no second press.
bool IsPress(int code) { return code == BN_CLICKED || code == 1; }

// A caption and a key field side by side; the captions share one width so
// that both fields line up.
std::unique_ptr<TGroupElement> MakeHotKeyRow(const TString& caption, const TString& settingsName, THotKey initial,
                                             THotKeyField** field) {
  auto label = std::make_unique<TCaptionLabel>(caption, kHotKeyCaptionWidth);
  label->SetDock(kDockLeft);
  label->SetAlign(kAlignCentre);
  auto key = std::make_unique<THotKeyField>(settingsName, initial);
  key->SetDock(kDockLeft);
  key->SetAlign(kAlignCentre);
  *field = key.get();
  return MakeGroup(kDockTop, kAlignLeft, 6, 0, std::move(label), std::move(key));
}

}  // namespace

TAutoIconDialog::TAutoIconDialog() : TShape(nullptr, kTitle) {
  SetSettingsName(kSettingsName);
  SetPlacementName(kSettingsName);
  // Built hidden with the main window; ShowSettings shows it.
  SetShow(false);

  auto mainButtons = MakeButtonRow(kDockBottom, {{IDOK, "OK", "OK_ICON"},
                                                 {IDCANCEL, "ｷｬﾝｾﾙ", "CANCEL_ICON"},
                                                 {kNotifyTest, "ﾃｽﾄ(&TEST&)", "PLAY_ICON"}});
  mainButtons->SetAlign(kAlignRight);
  mainButtons_ = mainButtons.get();

  auto picture = std::make_unique<TIconElement>(OwnResourceIcon("AUTOTRAYICON_ICON"), nullptr);
  picture->SetDock(kDockLeft);
  picture->SetAlign(kAlignTop);

  auto editButtons = std::make_unique<TAutoIconButtonColumn>(
      std::initializer_list<TButtonSpec>{{kAddTitleCommand, "追加(&ADD&)", "NEWFILE_ICON"},
                                         {kEditTitleCommand, "編集(&EDIT&)", "EDITFILE_ICON", false},
                                         {kCopyTitleCommand, "複製(&COPY&)", "COPY_ICON", false},
                                         {kDeleteTitleCommand, "削除(&DELETE&)", "DELETE_ICON", false}},
      kColumnGap);
  editButtons->SetDock(kDockRight);
  editButtons->SetAlign(kAlignBottom);
  editButtons_ = editButtons.get();
  auto listCaption = std::make_unique<TCaptionLabel>("次の文字列を含むﾀｲﾄﾙのｳｨﾝﾄﾞｳ(&TITLE&)", kListCaptionWidth);
  listCaption->SetDock(kDockTop);
  listCaption->SetAlign(kAlignLeft);
  listCaption_ = listCaption.get();
  auto titles = std::make_unique<TTitleListElement>(kListWidth, kListHeight, OwnResourceIcon("WINDOWTRAYICON_ICON"));
  titles->SetSettingsName("TitleList");
  titles_ = titles.get();
  auto listSection =
      MakeGroup(kDockTop, kAlignLeft, 0, 0, std::move(editButtons), std::move(listCaption), std::move(titles));

  auto letter = std::make_unique<TSettingCheck>("英字の大小を区別する(&LETTER&)", false, "OnLetter", kOptionGap);
  letter->SetDock(kDockLeft);
  letter_ = letter.get();
  auto charSize = std::make_unique<TSettingCheck>("全角と半角を区別する(&WSIZECHAR&)", false, "OnCharSize");
  charSize->SetDock(kDockLeft);
  charSize_ = charSize.get();
  auto matching = MakeGroup(kDockTop, kAlignLeft, 0, 0, std::move(letter), std::move(charSize));

  auto watchLabel = std::make_unique<TCaptionLabel>("起動後監視を続ける時間(&SECOND&)(秒)");
  watchLabel->SetDock(kDockLeft);
  watchLabel->SetAlign(kAlignCentre);
  watchLabel_ = watchLabel.get();
  auto watchTime = std::make_unique<TWatchTimeElement>();
  watchTime->SetDock(kDockLeft);
  watchTime->SetAlign(kAlignCentre);
  watchTime_ = watchTime.get();
  auto watch = MakeGroup(kDockTop, kAlignLeft, 6, 0, std::move(watchLabel), std::move(watchTime));

  auto periodic =
      std::make_unique<TSettingCheck>("起動時以外でも最小化されたらｱｲｺﾝ化(&PERIODIC&)", true, "OnPeriodic");
  periodic->SetDock(kDockTop);
  periodic->SetAlign(kAlignLeft);
  periodic_ = periodic.get();

  auto options = MakeGroup(kDockTop, kAlignLeft, 6, 6, std::move(listSection), std::move(matching), std::move(watch),
                           std::move(periodic));
  options_ = options.get();
  auto onOff = std::make_unique<TSettingCheck>("起動時に次のｳｨﾝﾄﾞｳが発見されたらｱｲｺﾝ化(&START&)", false, "OnAutoIcon");
  onOff->SetDock(kDockTop);
  onOff->SetAlign(kAlignLeft);
  // The options are usable only while the switch is ticked.
  onOff->SetDependent(std::move(options));
  switch_ = onOff.get();

  // The global keys do not depend on the switch: a group of their own below the rules.
  auto keysCaption = std::make_unique<TTextElement>("ﾎｯﾄｷｰ（欄でｷｰを押すと設定、BackSpaceで解除）");
  keysCaption->SetDock(kDockTop);
  keysCaption->SetAlign(kAlignLeft);
  auto storeKeyRow = MakeHotKeyRow("ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳをｱｲｺﾝ化(&STOREKEY&)", "StoreHotKey", kDefaultStoreHotKey,
                                   &storeHotKey_);
  auto restoreKeyRow = MakeHotKeyRow("最後にｱｲｺﾝ化したものを元に戻す(&RESTOREKEY&)", "RestoreHotKey",
                                     kDefaultRestoreHotKey, &restoreHotKey_);
  auto keys = MakeGroup(kDockTop, kAlignLeft, 6, 6, std::move(keysCaption), std::move(storeKeyRow),
                        std::move(restoreKeyRow));

  AddContent(std::move(mainButtons), std::move(picture), std::move(onOff), std::move(keys));
  Load(ApplicationKeys());
}

TAutoIconDialog::~TAutoIconDialog() {
  // The window must not outlive the object its messages reach.
  if (Handle() != nullptr && IsWindow(Handle())) DestroyWindow(Handle());
}

void TAutoIconDialog::OnInitialize() {
  EnableWindow(Handle(), FALSE);
  Accelerators().push_back({FVIRTKEY, VK_INSERT, kAddTitleCommand});
  Accelerators().push_back({FVIRTKEY, VK_F2, kEditTitleCommand});
  KeepDeleteKey(true);
  MakeListMenu();
  ArrangeTabOrder();
  UpdateEnabling();
}

void TAutoIconDialog::ShowSettings() {
  if (Handle() == nullptr || !IsWindow(Handle())) return;
  if (watchTime_->UpDown() == nullptr) {
    watchTime_->MakeUpDown();
    ArrangeTabOrder();
  }
  // An open dialog stays where the user has it now.
  if (!IsWindowVisible(Handle()) && !RestorePlacement()) CenterOnScreen();
  EnableWindow(Handle(), TRUE);
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

TTextList TAutoIconDialog::TitleList() const { return titles_->Entries(); }
bool TAutoIconDialog::AutoIconOn() const { return switch_->Shown(); }
bool TAutoIconDialog::DistinguishCase() const { return letter_->Shown(); }
bool TAutoIconDialog::DistinguishWidth() const { return charSize_->Shown(); }
bool TAutoIconDialog::PeriodicOn() const { return periodic_->Shown(); }
int TAutoIconDialog::WatchTime() const { return watchTime_->Value(); }
THotKey TAutoIconDialog::StoreHotKey() const { return storeHotKey_->Key(); }
THotKey TAutoIconDialog::RestoreHotKey() const { return restoreHotKey_->Key(); }
HWND TAutoIconDialog::TitleListBox() const { return titles_->Control(); }

bool TAutoIconDialog::CanClose() {
  // Closing is cancelling; the window itself lives as long as the main window.
  if (!editing_) Cancel();
  return false;
}

LRESULT TAutoIconDialog::OnSysCommand(WPARAM command, int x, int y) {
  if ((command & 0xFFF0) == SC_CLOSE) {
    if (!editing_) Cancel();
    return 0;
  }
  return TShape::OnSysCommand(command, x, y);
}

LRESULT TAutoIconDialog::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MEASUREITEM:
      if (titles_->MeasureEntry(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (titles_->DrawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_CONTEXTMENU:
      if (titles_->Control() != nullptr && reinterpret_cast<HWND>(wParam) == titles_->Control()) {
        ShowListMenu(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
      }
      break;
    case WM_SETTINGCHANGE:
      // The menu font may have changed with the metrics.
      if (wParam == SPI_SETNONCLIENTMETRICS && listIcons_) RefreshIconMenu(*listIcons_);
      break;
    default:
      break;
  }
  return TShape::WndProc(msg, wParam, lParam);
}

LRESULT TAutoIconDialog::OnCommand(int id, HWND control, int code) {
  if (control != nullptr && control == titles_->Control()) {
    if (code == LBN_SELCHANGE) {
      titles_->FromControls();
      UpdateEnabling();
    } else if (code == LBN_DBLCLK && CommandUsable(kEditTitleCommand)) {
      EditTitle();
    }
    return 0;
  }
  if (control != nullptr && control == watchTime_->Control()) {
    // Delete edits the number while it has the focus.
    if (code == EN_SETFOCUS) KeepDeleteKey(false);
    if (code == EN_KILLFOCUS) KeepDeleteKey(true);
    watchTime_->OnCommand(id, control, code);
    return 0;
  }
  switch (id) {
    case IDOK:
    case IDCANCEL:
    case kNotifyTest:
    case kAddTitleCommand:
    case kEditTitleCommand:
    case kCopyTitleCommand:
    case kDeleteTitleCommand:
      if (!IsPress(code) || !CommandUsable(id)) return 0;
      break;
    default:
      return TShape::OnCommand(id, control, code);
  }
  switch (id) {
    case IDOK:
      Accept();
      break;
    case IDCANCEL:
      Cancel();
      break;
    case kNotifyTest:
      Test();
      break;
    case kAddTitleCommand:
      AddTitle();
      break;
    case kEditTitleCommand:
      EditTitle();
      break;
    case kCopyTitleCommand:
      CopyTitle();
      break;
    default:
      DeleteTitle();
      break;
  }
  return 0;
}

void TAutoIconDialog::OnElementChange(void*) { UpdateEnabling(); }

void TAutoIconDialog::Accept() {
  // One key cannot do two things: the second would be refused by the system
  // and noticed as taken by another program.
  if (storeHotKey_ != nullptr && restoreHotKey_ != nullptr && !storeHotKey_->Key().IsOff() &&
      storeHotKey_->Key() == restoreHotKey_->Key()) {
    ShowSameKeysError();
    if (restoreHotKey_->Control() != nullptr) SetFocus(restoreHotKey_->Control());
    return;
  }
  Content().FromControls();
  Save(ApplicationKeys());
  UpdateEnabling();
  Hide();
  AppState().menuTarget = nullptr;
  NotifyOwner(kNotifyRulesChanged);
}

void TAutoIconDialog::Cancel() {
  Load(ApplicationKeys());
  Content().ToControls();
  UpdateEnabling();
  Hide();
}

void TAutoIconDialog::Test() {
  AppState().menuTarget = nullptr;
  NotifyOwner(kNotifyTest);
}

void TAutoIconDialog::Hide() {
  if (Handle() == nullptr || !IsWindow(Handle())) return;
  if (IsWindowVisible(Handle())) SavePlacement();
  ShowWindow(Handle(), SW_HIDE);
  // At rest the dialog is hidden and disabled, as it was built.
  EnableWindow(Handle(), FALSE);
}

void TAutoIconDialog::NotifyOwner(int code) {
  HWND owner = Owner();
  if (owner == nullptr || !IsWindow(owner)) return;
  PostMessageA(owner, WM_COMMAND, MAKEWPARAM(kAutoIconNotifyCommand, code), reinterpret_cast<LPARAM>(Handle()));
}

void TAutoIconDialog::AddTitle() { AddAndEdit(kNewTitle); }

void TAutoIconDialog::CopyTitle() {
  const int at = CurrentIndex();
  if (at >= 0) AddAndEdit(titles_->EntryText(at));
}

void TAutoIconDialog::AddAndEdit(const TString& text) {
  const TString previous = titles_->Current();
  const TString working = FreeTitle(titles_->Entries(), text);
  const int index = titles_->Append(working);
  if (index < 0) return;
  EditInPlace(index, working, true, previous);
}

void TAutoIconDialog::EditTitle() {
  const int at = CurrentIndex();
  if (at < 0) return;
  const TString working = titles_->EntryText(at);
  EditInPlace(at, working, false, working);
}

void TAutoIconDialog::EditInPlace(int index, const TString& working, bool added, const TString& previous) {
  editing_ = true;
  titles_->Select(index);
  bool confirmed = false;
  TString typed;
  TTitleEdit verdict = TTitleEdit::Replace;
  {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(titles_->Control(), WM_GETFONT, 0, 0));
    TFloatingEdit box(Handle(), EditBoxRectangle(index), font, working);
    editBox_ = box.Handle();
    titles_->SetEditedEntry(index);
    for (;;) {
      confirmed = box.Run();
      if (!confirmed) break;
      typed = box.Text();
      verdict = JudgeTitleEdit(titles_->Entries(), working, typed);
      if (verdict != TTitleEdit::Duplicate) break;
      // OK goes back to the box with the user's text; Cancel cancels.
      if (!AskAboutDuplicate()) {
        confirmed = false;
        break;
      }
    }
    titles_->SetEditedEntry(-1);
    editBox_ = nullptr;
  }
  TString current = working;
  if (!confirmed) {
    if (added) {
      titles_->Remove(index);
      current = previous;
    }
  } else if (verdict == TTitleEdit::Remove) {
    titles_->Remove(index);
    if (added) {
      current = previous;
    } else {
      const int next = SelectionAfterRemoval(titles_->Count(), index);
      current = next >= 0 ? titles_->EntryText(next) : TString();
    }
  } else {
    titles_->Replace(index, typed);
    current = typed;
  }
  titles_->SetCurrent(current);
  titles_->SelectCurrent();
  editing_ = false;
  UpdateEnabling();
  // The keyboard goes back to the list, unless the user has left the dialog.
  if (GetActiveWindow() == Handle() && IsWindowEnabled(titles_->Control())) SetFocus(titles_->Control());
}

void TAutoIconDialog::ShowSameKeysError() {
  auto row = MakeButtonRow(kDockBottom, {{IDOK, "OK", "OK_ICON"}});
  auto message = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  message->AddShared(WarningIcon());
  message->Add(TTextElement::Message("2つの操作に同じｷｰは使えません。どちらかのｷｰを変えてください。"));
  MessageShape(this, "SameKeysError", row.get(), message.get(), nullptr);
}

bool TAutoIconDialog::AskAboutDuplicate() {
  auto row = MakeButtonRow(kDockBottom, {{IDOK, "OK", "OK_ICON"}, {IDCANCEL, "ｷｬﾝｾﾙ", "CANCEL_ICON"}});
  auto message = MakeGroup(kDockTop, kAlignLeft, 12, 12);
  message->AddShared(WarningIcon());
  message->Add(TTextElement::Message("同じ文字列がすでに登録されています。"));
  return MessageShape(this, "EditError", row.get(), message.get(), nullptr) == IDOK;
}

RECT TAutoIconDialog::EditBoxRectangle(int index) const {
  HWND list = titles_->Control();
  RECT outer{};
  GetWindowRect(list, &outer);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&outer), 2);
  RECT inner{};
  GetClientRect(list, &inner);
  MapWindowPoints(list, Handle(), reinterpret_cast<POINT*>(&inner), 2);
  const RECT entry = titles_->EntryRectangle(index);
  RECT box{};
  box.left = outer.left + entry.left + kEditLeft;
  box.top = outer.top + entry.top + kEditTop;
  // As wide as the entry, but never over the list's frame or scroll bar.
  box.right = std::min<LONG>(box.left + (entry.right - entry.left), inner.right);
  int textHeight = 12;
  HDC dc = GetDC(list);
  if (dc != nullptr) {
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    if (GetTextMetricsA(dc, &metrics)) textHeight = metrics.tmHeight;
    SelectObject(dc, previous);
    ReleaseDC(list, dc);
  }
  box.bottom = box.top + textHeight + 4;
  return box;
}

void TAutoIconDialog::DeleteTitle() {
  const int at = CurrentIndex();
  if (at < 0) return;
  titles_->Remove(at);
  titles_->Select(SelectionAfterRemoval(titles_->Count(), at));
  UpdateEnabling();
}

bool TAutoIconDialog::SwitchOn() const { return switch_->Shown(); }

int TAutoIconDialog::CurrentIndex() const { return titles_->Find(titles_->Current()); }

bool TAutoIconDialog::CommandUsable(int id) const {
  if (editing_) return false;
  switch (id) {
    case kNotifyTest:
      return SwitchOn() && titles_->Count() > 0;
    case kAddTitleCommand:
      return SwitchOn();
    case kEditTitleCommand:
    case kCopyTitleCommand:
    case kDeleteTitleCommand:
      return SwitchOn() && CurrentIndex() >= 0;
    default:
      return true;
  }
}

void TAutoIconDialog::UpdateEnabling() {
  if (Handle() == nullptr) return;
  const bool on = SwitchOn();
  options_->Enable(on);
  const bool entry = CommandUsable(kEditTitleCommand);
  for (int id : {kEditTitleCommand, kCopyTitleCommand, kDeleteTitleCommand}) {
    editButtons_->EnableButton(id, entry);
    EnableCommand(listMenu_.Get(), static_cast<UINT>(id), entry);
  }
  EnableCommand(listMenu_.Get(), kAddTitleCommand, on);
  HWND test = GetDlgItem(Handle(), kNotifyTest);
  if (test != nullptr) EnableWindow(test, on && titles_->Count() > 0 ? TRUE : FALSE);
}

void TAutoIconDialog::KeepDeleteKey(bool on) {
  auto& table = Accelerators();
  const auto isDelete = [](const TAccelerator& entry) { return entry.key == VK_DELETE; };
  table.erase(std::remove_if(table.begin(), table.end(), isDelete), table.end());
  if (on) table.push_back({FVIRTKEY, VK_DELETE, kDeleteTitleCommand});
}

void TAutoIconDialog::MakeListMenu() {
  listIcons_.reset();
  listMenu_.Reset(CreatePopupMenu());
  if (!listMenu_) return;
  const std::pair<int, const char*> items[] = {{kAddTitleCommand, "追加(&A)"},
                                               {kEditTitleCommand, "編集(&E)"},
                                               {kCopyTitleCommand, "複写(&C)"},
                                               {kDeleteTitleCommand, "削除(&D)"}};
  for (const auto& item : items) {
    AppendMenuA(listMenu_.Get(), MF_STRING, static_cast<UINT_PTR>(item.first), ToDisplayText(item.second).c_str());
  }
  listIcons_ = MakeIconMenu(listMenu_.Get(), {ByCommand(kAddTitleCommand, OwnResourceIcon("NEWFILE_ICON")),
                                              ByCommand(kEditTitleCommand, OwnResourceIcon("EDITFILE_ICON")),
                                              ByCommand(kCopyTitleCommand, OwnResourceIcon("COPY_ICON")),
                                              ByCommand(kDeleteTitleCommand, OwnResourceIcon("DELETE_ICON"))});
  AttachIconMenu(*listIcons_);
}

void TAutoIconDialog::ShowListMenu(int x, int y) {
  if (!listMenu_ || editing_) return;
  HWND list = titles_->Control();
  if (x == -1 && y == -1) {
    // From the keyboard: under the current entry, or at the list's corner.
    const int at = CurrentIndex();
    const RECT entry = at >= 0 ? titles_->EntryRectangle(at) : RECT{0, 0, 0, 0};
    POINT corner{entry.left + kEditLeft, entry.bottom};
    ClientToScreen(list, &corner);
    x = corner.x;
    y = corner.y;
  } else {
    // A right click acts on the entry under the mouse.
    POINT at{x, y};
    ScreenToClient(list, &at);
    const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
    if (HIWORD(hit) == 0 && static_cast<int>(LOWORD(hit)) < titles_->Count()) titles_->Select(LOWORD(hit));
  }
  UpdateEnabling();
  TrackPopupMenu(listMenu_.Get(), TPM_RIGHTBUTTON, x, y, 0, Handle(), nullptr);
}

void TAutoIconDialog::ArrangeTabOrder() {
  // The content is built bottom band first; the keyboard walks it top down.
  std::vector<HWND> order = {switch_->Control(), listCaption_->Control(), titles_->Control()};
  for (const TButtonDescriptor& button : editButtons_->Buttons()) order.push_back(button.handle);
  for (HWND window : {letter_->Control(), charSize_->Control(), watchLabel_->Control(), watchTime_->Control(),
                      watchTime_->UpDown(), periodic_->Control()}) {
    order.push_back(window);
  }
  for (const TButtonDescriptor& button : mainButtons_->Buttons()) order.push_back(button.handle);
  HWND after = HWND_TOP;
  for (HWND window : order) {
    if (window == nullptr) continue;
    SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = window;
  }
}
