#pragma once
// Elements that stand for one child control: the control's creation at the
// place its group gives it, with an id from the shape's counter, and its
// enabling. The simple kinds live here too: a single-line label, a number edit
// with its up-down control, and a slider.
#include <windows.h>

#include <memory>

#include "framework/text/TString.h"
#include "framework/window/shapes/TElement.h"

class TControlElement : public TElement {
 public:
  HWND Control() const { return control_; }
  int Id() const { return id_; }
  void Enable(bool on) override;

 protected:
  // The control at (x, y) with the measured size; its text in display form.
  HWND CreateControl(TShape& shape, int x, int y, DWORD exStyle, const char* className, const TString& text,
                     DWORD style);
  // Width and height in pixels; a negative width lets the caption decide.
  TLayoutSize size_;

 private:
  HWND control_ = nullptr;
  int id_ = 0;
};

// The width of a caption in the shape's font, keyword measured as "W".
int CaptionWidth(HDC dc, const TString& caption);

// A text on the shape: one line ("TransparentStatic", 12 pixels high), or a
// message of any number of lines in a read-only transparent edit, sized to
// its lines.
class TTextElement : public TControlElement {
 public:
  // A width of -1 takes the text's own width.
  explicit TTextElement(const TString& text, int width = -1, DWORD staticStyle = SS_LEFT);
  // The text of a message: docked left, vertically centred beside its icon.
  static std::unique_ptr<TTextElement> Message(const TString& text);
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  void SetText(const TString& text);
  const TString& Text() const { return text_; }

 private:
  TString text_;
  int width_;
  DWORD staticStyle_;
  bool multiLine_ = false;
};

// A number typed into an edit, with an up-down control beside it that keeps
// it between the bounds.
class TNumberElement : public TControlElement {
 public:
  TNumberElement(int width, int lower, int upper, int value);
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  void Enable(bool on) override;
  void ToControls() override;
  // Reads the edit back, clamped to the bounds; text that is no number keeps the value.
  void FromControls() override;
  int Value() const { return value_; }
  void SetValue(int value);

 private:
  int width_;
  int lower_;
  int upper_;
  int value_;
  HWND upDown_ = nullptr;
};

// A slider between two bounds, a tenth of the range per page.
class TSliderElement : public TControlElement {
 public:
  TSliderElement(int width, int minimum, int maximum, int position);
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  void ToControls() override;
  void FromControls() override;
  bool OnScroll(HWND bar, int code, int position) override;
  int Position() const { return position_; }

 private:
  int width_;
  int minimum_;
  int maximum_;
  int position_;
};
