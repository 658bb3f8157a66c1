// The window's DPI and its fonts there: the score face at each size a caption needs, and the
// system's message font for Label2. The score face is OCR-A, which Tinzel.exe carries within
// it, so every Windows shows the face that Linux and the page show; where "OCR A Extended" is
// installed, that face is used instead.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <map>
#include <string>

namespace tinzel::win32 {

// A window's DPI where Windows can tell it per monitor, else the screen's logical DPI.
int dpiOf(HWND window);

class WindowFonts {
  public:
    explicit WindowFonts(int dpi);
    ~WindowFonts();
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;

    int dpi() const { return dpi_; }
    // The score face, bold, at `points`, rounded to half points.
    HFONT score(double points);
    // Its advance there, in pixels to the fraction, as the face is designed (not as the
    // system rounds a character's width).
    double scoreAdvance(double points) const;
    HFONT label() const { return label_; }

  private:
    int dpi_;
    std::map<int, HFONT> scores_;  // by half points
    HFONT label_;
};

// The score face's family: "OCR A Extended" where installed, else the face Tinzel.exe
// carries, made known to this process the first time it is asked for.
const std::wstring& scoreFamily();

}  // namespace tinzel::win32
