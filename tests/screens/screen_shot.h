#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tarn::test_support {

// A window as it stands on the screen, frame included, in 8-bit red, green and blue.
class ScreenShot {
public:
    // Lets the window and its controls paint, then copies its rectangle off the screen. Works
    // from any thread; the window's own thread must be pumping messages.
    static ScreenShot Of(HWND window);

    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    // The colour at a point of the window's client area (not its frame).
    COLORREF AtClient(int x, int y) const;
    // Writes the picture as a 24-bit Windows bitmap.
    void Save(const std::filesystem::path& path) const;

private:
    int width_ = 0;
    int height_ = 0;
    POINT client_origin_{};
    std::vector<std::uint32_t> pixels_;  // top-down rows of 0x00RRGGBB
};

}  // namespace tarn::test_support
