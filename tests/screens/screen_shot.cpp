#include "tests/screens/screen_shot.h"

#include <fstream>
#include <stdexcept>
#include <thread>

namespace tarn::test_support {

namespace {

void PutLittleEndian(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int byte = 0; byte < bytes; ++byte) out.push_back(static_cast<char>((value >> (8 * byte)) & 0xFF));
}

}  // namespace

ScreenShot ScreenShot::Of(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The display server draws what wine sent it a moment later.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    RECT frame{};
    GetWindowRect(window, &frame);
    POINT client{0, 0};
    ClientToScreen(window, &client);

    ScreenShot shot;
    shot.width_ = frame.right - frame.left;
    shot.height_ = frame.bottom - frame.top;
    shot.client_origin_ = {client.x - frame.left, client.y - frame.top};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = shot.width_;
    format.bmiHeader.biHeight = -shot.height_;  // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP copy = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (copy == nullptr) {
        ReleaseDC(nullptr, screen);
        throw std::runtime_error("no memory for a screen shot");
    }
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ before = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, shot.width_, shot.height_, screen, frame.left, frame.top, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    shot.pixels_.assign(pixels, pixels + static_cast<std::size_t>(shot.width_) * static_cast<std::size_t>(shot.height_));
    SelectObject(memory, before);
    DeleteDC(memory);
    DeleteObject(copy);
    ReleaseDC(nullptr, screen);
    for (auto& pixel : shot.pixels_) pixel &= 0x00FFFFFF;
    return shot;
}

COLORREF ScreenShot::AtClient(int x, int y) const {
    const int column = client_origin_.x + x;
    const int row = client_origin_.y + y;
    if (column < 0 || row < 0 || column >= width_ || row >= height_) throw std::out_of_range("outside the screen shot");
    const std::uint32_t pixel = pixels_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                                        static_cast<std::size_t>(column)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void ScreenShot::Save(const std::filesystem::path& path) const {
    const std::uint32_t row_size = (static_cast<std::uint32_t>(width_) * 3 + 3) / 4 * 4;
    const std::uint32_t image_size = row_size * static_cast<std::uint32_t>(height_);
    std::vector<char> out;
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, 14 + 40 + image_size, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 14 + 40, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(width_), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(height_), 4);  // bottom-up
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 24, 2);
    for (int field = 0; field < 6; ++field) PutLittleEndian(out, field == 1 ? image_size : 0, 4);
    for (int row = height_ - 1; row >= 0; --row) {
        const std::size_t start = out.size();
        for (int column = 0; column < width_; ++column) {
            PutLittleEndian(out, pixels_[static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
                                         static_cast<std::size_t>(column)],
                            3);  // blue, green, red
        }
        out.resize(start + row_size, '\0');
    }
    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace tarn::test_support
