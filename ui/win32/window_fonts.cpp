// Making the window's fonts at its DPI, the embedded score face among them.
#include "ui/win32/window_fonts.h"

#include <cmath>

#include "ui/form_design.h"
#include "ui/win32/wide_text.h"
// Written by the build: the bytes of the score face, cut down to the characters the scores
// show (kScoreFace, kScoreFaceFamily).
#include "score_face.h"

namespace tinzel::win32 {

namespace {

// The DPI of the whole desktop, which the system's own metrics are given in.
int systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(const std::wstring& family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, &noteFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

int dpiOf(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return systemDpi();
}

const std::wstring& scoreFamily() {
    static const std::wstring family = [] {
        const std::wstring designed = widen(design::kScoreFontFamily);
        if (installed(designed)) {
            return designed;
        }
        DWORD faces = 0;
        AddFontMemResourceEx(const_cast<unsigned char*>(kScoreFace), sizeof(kScoreFace), nullptr,
                             &faces);
        return std::wstring(kScoreFaceFamily);
    }();
    return family;
}

namespace {

// The score face's advance in ems, measured at a size where the system's rounding is lost.
double scoreAdvanceInEms() {
    static const double ems = [] {
        constexpr int kSize = 2048;
        HFONT large = CreateFontW(-kSize, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                  FIXED_PITCH | FF_MODERN, scoreFamily().c_str());
        HDC context = CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = SelectObject(context, large);
        ABCFLOAT widths{};
        GetCharABCWidthsFloatW(context, L'0', L'0', &widths);
        SelectObject(context, previous);
        DeleteDC(context);
        DeleteObject(large);
        return (widths.abcfA + widths.abcfB + widths.abcfC) / kSize;
    }();
    return ems;
}

// The score face's size in pixels at `halfPoints`, as a font is made at it.
int pixelSize(int halfPoints, int dpi) {
    return static_cast<int>(std::lround(halfPoints * dpi / 144.0));
}

}  // namespace

WindowFonts::WindowFonts(int dpi) : dpi_(dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi_, systemDpi());
    label_ = CreateFontIndirectW(&metrics.lfMessageFont);
}

WindowFonts::~WindowFonts() {
    for (auto& [halfPoints, font] : scores_) {
        DeleteObject(font);
    }
    DeleteObject(label_);
}

double WindowFonts::scoreAdvance(double points) const {
    return scoreAdvanceInEms() * pixelSize(static_cast<int>(std::lround(points * 2)), dpi_);
}

HFONT WindowFonts::score(double points) {
    const int halfPoints = static_cast<int>(std::lround(points * 2));
    auto found = scores_.find(halfPoints);
    if (found == scores_.end()) {
        const int height = -pixelSize(halfPoints, dpi_);
        HFONT font = CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                 FIXED_PITCH | FF_MODERN, scoreFamily().c_str());
        found = scores_.emplace(halfPoints, font).first;
    }
    return found->second;
}

}  // namespace tinzel::win32
