#include "MjpegAvi.h"

#include "TempFolder.h"
#include "framework/Gdiplus.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace orvane::test {
namespace {

constexpr std::uint32_t kHasIndex = 0x10; // AVIF_HASINDEX
constexpr std::uint32_t kKeyFrame = 0x10; // AVIIF_KEYFRAME
constexpr ULONG kJpegQuality = 90;

// Little-endian RIFF building, with chunk sizes filled in when a chunk closes.
class Riff {
public:
    void U32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<char>(value >> (8 * i)));
    }
    void U16(std::uint16_t value) {
        m_bytes.push_back(static_cast<char>(value));
        m_bytes.push_back(static_cast<char>(value >> 8));
    }
    void FourCc(const char* code) { m_bytes.append(code, 4); }
    void Bytes(const std::string& bytes) { m_bytes += bytes; }

    // Opens a chunk (or, with a list type, a RIFF/LIST); returns where its size goes.
    std::size_t Open(const char* id, const char* listType = nullptr) {
        FourCc(id);
        const std::size_t size = m_bytes.size();
        U32(0);
        if (listType)
            FourCc(listType);
        return size;
    }
    void Close(std::size_t sizeAt) {
        const auto size = static_cast<std::uint32_t>(m_bytes.size() - sizeAt - 4);
        for (int i = 0; i < 4; ++i)
            m_bytes[sizeAt + i] = static_cast<char>(size >> (8 * i));
        if (m_bytes.size() % 2)
            m_bytes.push_back('\0'); // chunks are word-aligned
    }
    std::size_t Size() const { return m_bytes.size(); }
    const std::string& Data() const { return m_bytes; }

private:
    std::string m_bytes;
};

bool JpegEncoder(CLSID& clsid) {
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0)
        return false;
    std::unique_ptr<char[]> buffer(new char[size]);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.get());
    if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (wcscmp(encoders[i].MimeType, L"image/jpeg") == 0) {
            clsid = encoders[i].Clsid;
            return true;
        }
    return false;
}

std::string EncodeFrame(const CLSID& jpeg, int width, int height, COLORREF colour) {
    Gdiplus::Bitmap bitmap(width, height, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics graphics(&bitmap);
        graphics.Clear(Gdiplus::Color(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
    }
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)))
        return {};
    ULONG quality = kJpegQuality;
    Gdiplus::EncoderParameters parameters;
    parameters.Count = 1;
    parameters.Parameter[0].Guid = Gdiplus::EncoderQuality;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &quality;
    std::string bytes;
    HGLOBAL memory = nullptr;
    STATSTG stat = {};
    if (bitmap.Save(stream, &jpeg, &parameters) == Gdiplus::Ok &&
        SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)) &&
        SUCCEEDED(GetHGlobalFromStream(stream, &memory))) {
        const auto* data = static_cast<const char*>(GlobalLock(memory));
        bytes.assign(data, static_cast<std::size_t>(stat.cbSize.QuadPart));
        GlobalUnlock(memory);
    }
    stream->Release();
    return bytes;
}

} // namespace

bool WriteMjpegAvi(const std::wstring& path, int width, int height, int framesPerSecond,
                   const std::vector<COLORREF>& frameColours) {
    GdiplusSession gdiplus;
    CLSID jpeg;
    if (!gdiplus.Ok() || !JpegEncoder(jpeg) || frameColours.empty() || framesPerSecond <= 0)
        return false;
    std::vector<std::string> frames;
    std::uint32_t largest = 0;
    for (COLORREF colour : frameColours) {
        frames.push_back(EncodeFrame(jpeg, width, height, colour));
        if (frames.back().empty())
            return false;
        largest = std::max(largest, static_cast<std::uint32_t>(frames.back().size()));
    }
    const auto count = static_cast<std::uint32_t>(frames.size());
    const auto w = static_cast<std::uint32_t>(width), h = static_cast<std::uint32_t>(height);

    Riff avi;
    const std::size_t riff = avi.Open("RIFF", "AVI ");
    const std::size_t headers = avi.Open("LIST", "hdrl");
    const std::size_t main = avi.Open("avih");
    avi.U32(1000000 / static_cast<std::uint32_t>(framesPerSecond)); // microseconds per frame
    avi.U32(largest * static_cast<std::uint32_t>(framesPerSecond)); // bytes per second
    avi.U32(0);                                                     // padding granularity
    avi.U32(kHasIndex);
    avi.U32(count);
    avi.U32(0); // initial frames
    avi.U32(1); // streams
    avi.U32(largest);
    avi.U32(w);
    avi.U32(h);
    for (int i = 0; i < 4; ++i)
        avi.U32(0);
    avi.Close(main);

    const std::size_t streamList = avi.Open("LIST", "strl");
    const std::size_t stream = avi.Open("strh");
    avi.FourCc("vids");
    avi.FourCc("MJPG");
    avi.U32(0);                                           // flags
    avi.U16(0);                                           // priority
    avi.U16(0);                                           // language
    avi.U32(0);                                           // initial frames
    avi.U32(1);                                           // scale
    avi.U32(static_cast<std::uint32_t>(framesPerSecond)); // rate
    avi.U32(0);                                           // start
    avi.U32(count);                                       // length
    avi.U32(largest);
    avi.U32(0xFFFFFFFF); // quality: the default
    avi.U32(0);          // sample size: varies
    avi.U16(0);
    avi.U16(0);
    avi.U16(static_cast<std::uint16_t>(w));
    avi.U16(static_cast<std::uint16_t>(h));
    avi.Close(stream);
    const std::size_t format = avi.Open("strf"); // BITMAPINFOHEADER
    avi.U32(40);
    avi.U32(w);
    avi.U32(h);
    avi.U16(1);  // planes
    avi.U16(24); // bits per pixel
    avi.FourCc("MJPG");
    avi.U32(w * h * 3);
    for (int i = 0; i < 4; ++i)
        avi.U32(0);
    avi.Close(format);
    avi.Close(streamList);
    avi.Close(headers);

    // The index gives each frame's offset from the "movi" list type.
    const std::size_t movie = avi.Open("LIST", "movi");
    const std::size_t movieStart = movie + 4;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> index;
    for (const std::string& frame : frames) {
        index.emplace_back(static_cast<std::uint32_t>(avi.Size() - movieStart),
                           static_cast<std::uint32_t>(frame.size()));
        const std::size_t chunk = avi.Open("00dc");
        avi.Bytes(frame);
        avi.Close(chunk);
    }
    avi.Close(movie);
    const std::size_t entries = avi.Open("idx1");
    for (const auto& [offset, size] : index) {
        avi.FourCc("00dc");
        avi.U32(kKeyFrame);
        avi.U32(offset);
        avi.U32(size);
    }
    avi.Close(entries);
    avi.Close(riff);
    return WriteBytes(path, avi.Data());
}

} // namespace orvane::test
