#include "TestPictures.h"
#include "TempFolder.h"

#include <cstdlib>
#include <vector>

namespace orvane::test {

bool WritePicture(const std::wstring& path, int width, int height,
                  const std::function<void(Gdiplus::Graphics&)>& draw) {
    Gdiplus::Bitmap picture(width, height, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&picture);
        draw(graphics);
    }
    // GDI+'s own PNG encoder: {557CF406-1A04-11D3-9A73-0000F81EF32E}
    const CLSID png = {
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    return picture.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
}

namespace {

// LZW codes, least significant bit first, packed into bytes.
class CodeWriter {
public:
    void Put(unsigned code, unsigned width) {
        m_buffer |= code << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.push_back(static_cast<char>(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    std::string Finish() {
        if (m_bits > 0)
            m_bytes.push_back(static_cast<char>(m_buffer & 0xFF));
        return m_bytes;
    }

private:
    std::string m_bytes;
    unsigned m_buffer = 0;
    unsigned m_bits = 0;
};

void PutWord(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

} // namespace

bool WriteGif(const std::wstring& path, int width, int height, const unsigned (&palette)[4],
              const std::vector<std::vector<unsigned char>>& frames, unsigned delay,
              bool transparent3) {
    std::string gif = "GIF89a";
    PutWord(gif, static_cast<unsigned>(width));
    PutWord(gif, static_cast<unsigned>(height));
    gif += static_cast<char>(0x81); // a global table of 2^(1+1) colours
    gif += '\0';
    gif += '\0';
    for (unsigned colour : palette) {
        gif += static_cast<char>((colour >> 16) & 0xFF);
        gif += static_cast<char>((colour >> 8) & 0xFF);
        gif += static_cast<char>(colour & 0xFF);
    }
    gif += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (const std::vector<unsigned char>& frame : frames) {
        gif += std::string("\x21\xF9\x04", 3);
        gif += static_cast<char>(transparent3 ? 0x09 : 0x08); // restore to background
        PutWord(gif, delay);
        gif += static_cast<char>(3);
        gif += '\0';
        gif += ',';
        PutWord(gif, 0);
        PutWord(gif, 0);
        PutWord(gif, static_cast<unsigned>(width));
        PutWord(gif, static_cast<unsigned>(height));
        gif += '\0';
        // Without compression: a clear code before every two pixels keeps the codes at
        // three bits, which every decoder reads alike.
        constexpr unsigned kClear = 4, kEnd = 5, kWidth = 3;
        CodeWriter codes;
        for (std::size_t i = 0; i < frame.size(); ++i) {
            if (i % 2 == 0)
                codes.Put(kClear, kWidth);
            codes.Put(frame[i] & 3u, kWidth);
        }
        codes.Put(kEnd, kWidth);
        const std::string data = codes.Finish();
        gif += static_cast<char>(2); // the minimum code size
        for (std::size_t at = 0; at < data.size(); at += 255) {
            const std::string block = data.substr(at, 255);
            gif += static_cast<char>(block.size());
            gif += block;
        }
        gif += '\0';
    }
    gif += ';';
    return WriteBytes(path, gif);
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    BITMAP info = {};
    if (!GetObjectW(bitmap, sizeof info, &info) || x < 0 || y < 0 || x >= info.bmWidth ||
        y >= info.bmHeight)
        return CLR_INVALID;
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight; // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                               &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight)
        return CLR_INVALID;
    const DWORD bgra = pixels[static_cast<std::size_t>(y) * info.bmWidth + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

} // namespace orvane::test
